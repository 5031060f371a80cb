#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"

#include "controls/CoorUnitChoice.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "platform/WideText.h"
#include "ui_CDlgBatchLoadWellLogUnitShow.h"

#include <QCloseEvent>

CDlgBatchLoadWellLogUnitShow::CDlgBatchLoadWellLogUnitShow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgBatchLoadWellLogUnitShow>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_pUnits =
        new CoorUnitChoice(m_ui->checkUnitsDiffer, m_ui->comboCoorUnit, m_ui->comboDepthUnit, this);
    m_pUnits->SetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->checkDontAskAgain, &QCheckBox::clicked, this,
            [this](bool checked) { m_bDontAskAgain = checked; });
}

CDlgBatchLoadWellLogUnitShow::~CDlgBatchLoadWellLogUnitShow() = default;

void CDlgBatchLoadWellLogUnitShow::SetUnits(COMMON::ENUM_COOR_UNIT coorUnit,
                                            COMMON::ENUM_COOR_UNIT depthUnit) {
    m_pUnits->SetUnits(coorUnit, depthUnit);
}

bool CDlgBatchLoadWellLogUnitShow::UnitsDiffer() const {
    return m_pUnits->UnitsDiffer();
}

COMMON::ENUM_COOR_UNIT CDlgBatchLoadWellLogUnitShow::GetCoorUnit() const {
    return m_pUnits->GetCoorUnit();
}

COMMON::ENUM_COOR_UNIT CDlgBatchLoadWellLogUnitShow::GetDepthUnit() const {
    return m_pUnits->GetDepthUnit();
}

void CDlgBatchLoadWellLogUnitShow::showEvent(QShowEvent* event) {
    if (!m_bInitialised) {
        m_bInitialised = true;
        InitDialog();
    }
    QDialog::showEvent(event);
}

void CDlgBatchLoadWellLogUnitShow::InitDialog() {
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    setWindowTitle(
        tr("单位转换设置 - %1").arg(QString::fromStdWString(welldata::FileNameOf(m_strFilePath))));
    m_ui->editSystemCoorUnit->setText(QStringLiteral("M"));
    m_ui->editSystemDepthUnit->setText(QStringLiteral("M"));
}

void CDlgBatchLoadWellLogUnitShow::closeEvent(QCloseEvent* event) {
    // The close box does not end the dialog either: OK is the only way out.
    event->ignore();
}
