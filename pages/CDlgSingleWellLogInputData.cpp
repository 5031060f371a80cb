#include "pages/CDlgSingleWellLogInputData.h"

#include "dialogs/CDlgImportBase.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "loaders/CurveKind.h"
#include "pages/IPathDataTypeOwner.h"
#include "reader/CDataFileReader.h"
#include "reader/TableColumnNames.h"
#include "ui_CDlgSingleWellLogInputData.h"
#include "welldata/LoadChoices.h"

namespace {

// The layouts in the order of the radio buttons.
struct LogLayout {
    int radioId;
    const char* rows[3];
    std::int32_t dataType;
    const char* convertZText; // null leaves the box's text
};

const LogLayout kLayouts[] = {
    {CDlgSingleWellLogInputData::IDC_MD_INCL_AZIM,
     {"INCL", "AZIM", "MD"},
     PATH_LOG_MD_INCL_AZIM,
     "From GeoFrame"},
    {CDlgSingleWellLogInputData::IDC_TVD_DX_DY, {"DX", "DY", "TVD"}, PATH_TVD_DX_DY, nullptr},
    {CDlgSingleWellLogInputData::IDC_TVD_X_Y, {"X", "Y", "TVD"}, PATH_TVD_X_Y, nullptr},
    {CDlgSingleWellLogInputData::IDC_X_Y_Z, {"X", "Y", "Z"}, PATH_X_Y_Z, "Convert Z"},
};

} // namespace

CDlgSingleWellLogInputData::CDlgSingleWellLogInputData(QWidget* parent)
    : CDlgWellLogDataBase(TableCurveList::Page::SingleWell, parent),
      m_ui(std::make_unique<Ui::CDlgSingleWellLogInputData>()) {
    m_ui->setupUi(this);
    BindPathControls({{IDC_MD_INCL_AZIM, IDC_TVD_DX_DY, IDC_TVD_X_Y, IDC_X_Y_Z},
                      0,
                      {IDC_ROW1_LABEL, IDC_ROW2_LABEL, IDC_ROW3_LABEL},
                      0,
                      {IDC_ROW1_COLUMN, IDC_ROW2_COLUMN, IDC_ROW3_COLUMN}});
    BindCurveList(m_ui->listCurves);
    connect(m_ui->checkLoadPath, &QCheckBox::clicked, this,
            &CDlgSingleWellLogInputData::OnLoadPathClicked);
    connect(m_ui->checkSkipUndefined, &QCheckBox::clicked, this,
            [this](bool checked) { m_bSkipUndefinedValues = checked; });
}

CDlgSingleWellLogInputData::~CDlgSingleWellLogInputData() = default;

void CDlgSingleWellLogInputData::InitPage() {
    CDlgWellLogDataBase::InitPage();
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    m_ui->checkConvertZ->setChecked(true);
}

void CDlgSingleWellLogInputData::OnCurvesListed() {
    m_bLoadPath = false;
    m_ui->checkLoadPath->setChecked(false);
    EnablePathControls();
}

void CDlgSingleWellLogInputData::OnLoadPathClicked(bool checked) {
    m_bLoadPath = checked;
    EnablePathControls();
}

void CDlgSingleWellLogInputData::EnablePathControls() {
    for (int position = 0; position < kDataTypeRadioCount; ++position) {
        if (QRadioButton* radio = DataTypeRadio(position))
            radio->setEnabled(m_bLoadPath);
    }
    for (int row = 1; row <= kRowCount; ++row) {
        if (QComboBox* list = RowList(row))
            list->setEnabled(m_bLoadPath);
        if (QLabel* label = RowLabel(row))
            label->setEnabled(m_bLoadPath);
    }
    m_ui->groupDataType->setEnabled(m_bLoadPath);
}

void CDlgSingleWellLogInputData::SetRowLabels(const QString& row1, const QString& row2,
                                              const QString& row3, bool /*enableRow3*/) {
    // Every layout of a log file uses its third row (MD for MD, INCL, AZIM).
    CDlgWellLogDataBase::SetRowLabels(row1, row2, row3, true);
    EnablePathControls();
}

void CDlgSingleWellLogInputData::OnDataTypeClicked(int controlId) {
    const LogLayout* layout = nullptr;
    for (const LogLayout& candidate : kLayouts) {
        if (candidate.radioId == controlId)
            layout = &candidate;
    }
    if (layout == nullptr)
        return;
    SetRowLabels(layout->rows[0], layout->rows[1], layout->rows[2], true);
    SetDataType(layout->dataType);
    if (layout->convertZText != nullptr)
        m_ui->checkConvertZ->setText(QString::fromLatin1(layout->convertZText));
    AutoAssignColumns();
    if (auto* owner = dynamic_cast<IPathDataTypeOwner*>(GetParentDialog()))
        owner->SetPathDataType(GetDataType());
}

int CDlgSingleWellLogInputData::FillCurveList() {
    const CDataFileReader* reader = GetReader();
    if (reader == nullptr)
        return 0;
    return reader->IsLas() ? FillFromLas() : FillFromTable();
}

int CDlgSingleWellLogInputData::FillFromLas() {
    const CLasSectionTable* sections = GetReader()->GetLasSections();
    const CLasSection* curves = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
    if (curves == nullptr)
        return 0;
    welldata::ReadLasCurveUnits(*curves, m_eDepthUnit, m_eCoordinateUnit);
    ShowCurves(TableCurveList::ListLas(*curves));
    return curves->GetItemCount();
}

int CDlgSingleWellLogInputData::FillFromTable() {
    const CDataFileReader* reader = GetReader();
    const std::vector<std::wstring> names = welldata::TableColumnNames(*reader);
    if (names.empty())
        return 0;
    ShowCurves(TableCurveList::ListTable(
        names, [reader](int column) { return reader->IsNumericColumn(column); },
        TableCurveList::Page::SingleWell));
    // Columns left out as not numeric count too.
    return static_cast<int>(names.size());
}

int CDlgSingleWellLogInputData::CollectCurves(std::list<COMMON::STRUCT_CURVE_ITEM>& out) {
    SetColumn(kMdElement, 0);
    std::list<COMMON::STRUCT_CURVE_ITEM> collected;
    const int rows = CDlgWellLogDataBase::CollectCurves(collected);
    // The path a log file carries is measured along its depth curve.
    for (const COMMON::STRUCT_CURVE_ITEM& curve : collected) {
        if (welldata::IsDepthCurve(curve))
            SetColumn(kMdElement, curve.nColumn);
    }
    out.splice(out.end(), collected);
    return rows;
}
