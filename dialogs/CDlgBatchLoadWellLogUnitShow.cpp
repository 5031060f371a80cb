#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"

#include "dialogs/ExtendComboDropHeight.h"
#include "platform/WideText.h"
#include "ui_CDlgBatchLoadWellLogUnitShow.h"

#include <QCloseEvent>

namespace {

COMMON::ENUM_COOR_UNIT UnitFromIndex(int index) {
    return (index >= COMMON::COOR_UNIT_IN && index <= COMMON::COOR_UNIT_CM)
               ? static_cast<COMMON::ENUM_COOR_UNIT>(index)
               : COMMON::COOR_UNIT_M;
}

} // namespace

CDlgBatchLoadWellLogUnitShow::CDlgBatchLoadWellLogUnitShow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgBatchLoadWellLogUnitShow>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->checkUnitsDiffer, &QCheckBox::clicked, this,
            &CDlgBatchLoadWellLogUnitShow::OnUnitsDifferClicked);
    connect(m_ui->checkDontAskAgain, &QCheckBox::clicked, this,
            [this](bool checked) { m_bDontAskAgain = checked; });
    connect(m_ui->comboCoorUnit, &QComboBox::activated, this,
            &CDlgBatchLoadWellLogUnitShow::OnCoorUnitChosen);
    connect(m_ui->comboDepthUnit, &QComboBox::activated, this,
            &CDlgBatchLoadWellLogUnitShow::OnDepthUnitChosen);
}

CDlgBatchLoadWellLogUnitShow::~CDlgBatchLoadWellLogUnitShow() = default;

void CDlgBatchLoadWellLogUnitShow::SetUnits(COMMON::ENUM_COOR_UNIT coorUnit,
                                            COMMON::ENUM_COOR_UNIT depthUnit) {
    m_eCoorUnit = UnitFromIndex(coorUnit);
    m_eDepthUnit = UnitFromIndex(depthUnit);
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
    setWindowTitle(QString::fromWCharArray(L"单位转换设置 - ") +
                   QString::fromStdWString(welldata::FileNameOf(m_strFilePath)));
    m_ui->editSystemCoorUnit->setText(QStringLiteral("M"));
    m_ui->editSystemDepthUnit->setText(QStringLiteral("M"));
    m_ui->comboCoorUnit->setCurrentIndex(m_eCoorUnit);
    m_ui->comboDepthUnit->setCurrentIndex(m_eDepthUnit);
    Synchronise();
}

void CDlgBatchLoadWellLogUnitShow::closeEvent(QCloseEvent* event) {
    // The close box does not end the dialog either: OK is the only way out.
    event->ignore();
}

void CDlgBatchLoadWellLogUnitShow::EnableUnitLists(bool enable) {
    m_ui->comboCoorUnit->setEnabled(enable);
    m_ui->comboDepthUnit->setEnabled(enable);
}

void CDlgBatchLoadWellLogUnitShow::Synchronise() {
    m_bUnitsDiffer = m_eCoorUnit != COMMON::COOR_UNIT_M || m_eDepthUnit != COMMON::COOR_UNIT_M;
    m_ui->checkUnitsDiffer->setChecked(m_bUnitsDiffer);
    EnableUnitLists(m_bUnitsDiffer);
}

void CDlgBatchLoadWellLogUnitShow::OnUnitsDifferClicked(bool checked) {
    m_bUnitsDiffer = checked;
    EnableUnitLists(checked);
    if (!checked) {
        m_ui->comboCoorUnit->setCurrentIndex(0);
        m_ui->comboDepthUnit->setCurrentIndex(0);
        m_eCoorUnit = COMMON::COOR_UNIT_M;
        m_eDepthUnit = COMMON::COOR_UNIT_M;
    }
}

void CDlgBatchLoadWellLogUnitShow::OnCoorUnitChosen(int index) {
    m_eCoorUnit = UnitFromIndex(index);
    Synchronise();
}

void CDlgBatchLoadWellLogUnitShow::OnDepthUnitChosen(int index) {
    m_eDepthUnit = UnitFromIndex(index);
    Synchronise();
}
