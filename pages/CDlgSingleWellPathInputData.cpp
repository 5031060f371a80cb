#include "pages/CDlgSingleWellPathInputData.h"

#include "reader/LenientNumber.h"
#include "reader/StrictNumber.h"
#include "ui_CDlgSingleWellPathInputData.h"

#include <cmath>
#include <limits>

namespace {

// The null value box reads this many characters.
constexpr int kNullValueLength = 14;

} // namespace

CDlgSingleWellPathInputData::CDlgSingleWellPathInputData(QWidget* parent)
    : CDlgWellPathDataTypeBase(parent), m_ui(std::make_unique<Ui::CDlgSingleWellPathInputData>()) {
    m_ui->setupUi(this);
    BindPathControls({{IDC_MD_INCL_AZIM, IDC_TVD_DX_DY, IDC_TVD_X_Y, IDC_X_Y_Z},
                      IDC_MD_EXISTS,
                      {IDC_ROW1_LABEL, IDC_ROW2_LABEL, IDC_ROW3_LABEL},
                      IDC_MD_COLUMN,
                      {IDC_ROW1_COLUMN, IDC_ROW2_COLUMN, IDC_ROW3_COLUMN}});
    // Nothing is chosen until the file's columns are recognised or picked.
    for (ColumnElement element : {kMdElement, kRow1Element, kRow2Element, kRow3Element})
        SetColumn(element, -1);
    SetHasMd(true);
    connect(m_ui->checkHasNullValue, &QCheckBox::clicked, this,
            &CDlgSingleWellPathInputData::OnHasNullValueClicked);
    connect(m_ui->editNullValue, &QLineEdit::textEdited, this, [this] {
        if (m_bHasNullValue)
            ReadNullValue();
    });
    connect(m_ui->checkAzimuthTrueNorth, &QCheckBox::toggled, this,
            [this](bool checked) { m_bAzimuthTrueNorth = checked; });
    connect(m_ui->radioOtherReference, &QRadioButton::toggled, this,
            &CDlgSingleWellPathInputData::UpdateOtherElevation);
}

CDlgSingleWellPathInputData::~CDlgSingleWellPathInputData() = default;

QLineEdit* CDlgSingleWellPathInputData::NullValueBox() const {
    return m_ui->editNullValue;
}

void CDlgSingleWellPathInputData::InitPage() {
    CDlgWellPathDataTypeBase::InitPage();
    m_ui->radioMeanSeaLevel->setChecked(true);
    m_ui->editNullValue->setText(QStringLiteral("-9999"));
    m_ui->checkMdExists->setChecked(true);
}

void CDlgSingleWellPathInputData::SetRowLabels(const QString& row1, const QString& row2,
                                               const QString& row3, bool enableRow3) {
    CDlgWellPathDataTypeBase::SetRowLabels(row1, row2, row3, enableRow3);
    m_ui->radioKellyBushing->setEnabled(enableRow3);
    m_ui->radioOtherReference->setEnabled(enableRow3);
    // A reference that cannot be chosen is not left chosen either.
    if (!enableRow3 && !m_ui->radioMeanSeaLevel->isChecked())
        m_ui->radioMeanSeaLevel->setChecked(true);
    UpdateOtherElevation();
    m_ui->checkMdExists->setEnabled(true);
}

void CDlgSingleWellPathInputData::UpdateOtherElevation() {
    m_ui->editOtherElevation->setEnabled(m_ui->radioOtherReference->isEnabled() &&
                                         m_ui->radioOtherReference->isChecked());
}

void CDlgSingleWellPathInputData::OnHasNullValueClicked(bool checked) {
    m_bHasNullValue = checked;
    m_ui->editNullValue->setReadOnly(!checked);
    if (checked)
        ReadNullValue();
}

void CDlgSingleWellPathInputData::ReadNullValue() {
    const QString text = m_ui->editNullValue->text().left(kNullValueLength).trimmed();
    const std::wstring wide = text.toStdWString();
    double value = 0.0;
    // A null value a cell can be compared with: a finite number within float range.
    const auto fitsFloat = [](double number) {
        return std::fabs(number) <= std::numeric_limits<float>::max();
    };
    m_bNullValueIsNumber = welldata::ParseStrictDouble(wide, value) && fitsFloat(value);
    if (!m_bNullValueIsNumber)
        value = welldata::LenientToDouble(wide);
    m_fNullValue = fitsFloat(value) ? static_cast<float>(value) : 0.0f;
}

void CDlgSingleWellPathInputData::GetColumnAssignment(welldata::PathColumnAssignment& out) const {
    out.hasMd = HasMd();
    out.hasNullValue = m_bHasNullValue;
    out.dataType = GetDataType();
    if (m_bHasNullValue)
        out.nullValue = m_fNullValue;
    out.azimuthTrueNorth = m_bAzimuthTrueNorth;
    CDlgWellPathDataTypeBase::GetColumnAssignment(out);
}
