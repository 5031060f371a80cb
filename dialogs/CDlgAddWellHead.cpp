#include "dialogs/CDlgAddWellHead.h"

#include "controls/CWorkflowPanel.h"
#include "interface/CoorUnit.h"
#include "loaders/CWellHead.h"
#include "reader/LenientNumber.h"
#include "ui_CDlgAddWellHead.h"
#include "welldata/MessageBox.h"

namespace {

const wchar_t* const kLineEnd = L"\r\n";

// A number as typed: the number the text starts with, 0 when it starts with
// none.
double TypedNumber(const QString& text) {
    return welldata::LenientToDouble(text.toStdWString());
}

} // namespace

CDlgAddWellHead::CDlgAddWellHead(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDlgAddWellHead>()) {
    m_ui->setupUi(this);
    m_ui->workflow->SetCurrentStep(CWorkflowPanel::Step::CreateWell, IDC_WORKFLOW_STEP);
    connect(m_ui->checkConvert, &QCheckBox::toggled, this, &CDlgAddWellHead::OnConvertClicked);
    connect(m_ui->checkMeasuredInterval, &QCheckBox::toggled, this,
            &CDlgAddWellHead::OnMeasuredIntervalClicked);
}

CDlgAddWellHead::~CDlgAddWellHead() = default;

void CDlgAddWellHead::Preset(const std::wstring& name, double x, double y, float kb, float topDepth,
                             float bottomDepth) {
    m_preset.strWellName = name;
    m_preset.dX = x;
    m_preset.dY = y;
    m_preset.fKB = kb;
    m_preset.fTopDepth = topDepth;
    m_preset.fBottomDepth = bottomDepth;
}

void CDlgAddWellHead::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CDlgAddWellHead::OnInitDialog() {
    m_ui->editName->setFocus();
    m_ui->comboCoorUnit->setCurrentIndex(0);
    m_ui->comboElevationUnit->setCurrentIndex(0);
    CPictureComboBox* symbols = m_ui->comboSymbol;
    symbols->SetPictureMode(CPictureComboBox::kGlyphShelfPictures);
    symbols->FillFromGlyphShelf();
    symbols->setCurrentIndex(kInitialSymbol);
    symbols->SetPictureSize(kSymbolPictureSize, kSymbolPictureSize);
    m_ui->editName->setText(QString::fromStdWString(m_preset.strWellName));
    ShowPreset(m_ui->editX, m_preset.dX);
    ShowPreset(m_ui->editY, m_preset.dY);
    ShowPreset(m_ui->editKb, m_preset.fKB);
    ShowPreset(m_ui->editTopDepth, m_preset.fTopDepth);
    ShowPreset(m_ui->editBottomDepth, m_preset.fBottomDepth);
}

void CDlgAddWellHead::ShowPreset(QLineEdit* edit, double value) {
    // Whole numbers, as the user types them; 0 stands for no value.
    if (value != 0.0)
        edit->setText(QString::number(value, 'f', 0));
}

void CDlgAddWellHead::OnConvertClicked(bool checked) {
    m_bConvertCoordinates = checked;
    m_ui->comboCoorUnit->setEnabled(checked);
    m_ui->comboElevationUnit->setEnabled(checked);
}

void CDlgAddWellHead::OnMeasuredIntervalClicked(bool checked) {
    m_bMeasuredInterval = checked;
    m_ui->editTopDepth->setReadOnly(!checked);
    m_ui->editBottomDepth->setReadOnly(!checked);
}

double CDlgAddWellHead::CoordinateFactor() const {
    // No unit chosen reads as metres.
    const QString unit = m_ui->comboCoorUnit->currentText();
    return welldata::CoorUnitFactor(welldata::CoorUnitFromText(unit.toStdWString()));
}

void CDlgAddWellHead::ReadCoordinate(const QLineEdit* edit, const wchar_t* axis, double& value,
                                     std::wstring& problems) const {
    const QString text = edit->text();
    const QString axisText = QString::fromWCharArray(axis);
    if (text.isEmpty()) {
        problems += tr("“%1坐标”不能为空；").arg(axisText).toStdWString() + kLineEnd;
    } else {
        value = TypedNumber(text);
        if (m_bConvertCoordinates)
            value *= CoordinateFactor();
    }
    if (value == 0.0)
        problems += tr("“%1坐标”不能为0值；").arg(axisText).toStdWString() + kLineEnd;
}

std::wstring CDlgAddWellHead::ReadEntries() {
    CWellHead::ResetWellHead(&m_wellHead);
    std::wstring problems;
    const QString name = m_ui->editName->text();
    if (!name.isEmpty())
        m_wellHead.strWellName = name.toStdWString();
    else
        problems += tr("“井名”不能为空；").toStdWString() + kLineEnd;
    m_wellHead.strWellType = m_ui->comboSymbol->currentData().toString().toStdWString();

    ReadCoordinate(m_ui->editX, L"X", m_wellHead.dX, problems);
    m_wellHead.dX2 = m_wellHead.dX;
    ReadCoordinate(m_ui->editY, L"Y", m_wellHead.dY, problems);
    m_wellHead.dY2 = m_wellHead.dY;

    // Elevation and depths are taken as typed, never converted.
    if (!m_ui->editKb->text().isEmpty())
        m_wellHead.fKB = static_cast<float>(TypedNumber(m_ui->editKb->text()));
    if (m_bMeasuredInterval) {
        if (!m_ui->editTopDepth->text().isEmpty())
            m_wellHead.fTopDepth = static_cast<float>(TypedNumber(m_ui->editTopDepth->text()));
        if (!m_ui->editBottomDepth->text().isEmpty())
            m_wellHead.fBottomDepth =
                static_cast<float>(TypedNumber(m_ui->editBottomDepth->text()));
    }
    return problems;
}

void CDlgAddWellHead::accept() {
    const std::wstring problems = ReadEntries();
    if (!problems.empty()) {
        welldata::ShowInformation(problems, welldata::MessageOwner::Dialog);
        return;
    }
    QDialog::accept();
}
