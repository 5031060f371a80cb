#include "pages/CDlgMultiWellLogInputData.h"

#include "reader/CDataFileReader.h"
#include "reader/TableColumnNames.h"
#include "ui_CDlgMultiWellLogInputData.h"

CDlgMultiWellLogInputData::CDlgMultiWellLogInputData(QWidget* parent)
    : CDlgWellLogDataBase(TableCurveList::Page::MultiWell, parent),
      m_ui(std::make_unique<Ui::CDlgMultiWellLogInputData>()) {
    m_ui->setupUi(this);
    BindCurveList(m_ui->listCurves);
}

CDlgMultiWellLogInputData::~CDlgMultiWellLogInputData() = default;

int CDlgMultiWellLogInputData::FillCurveList() {
    const CDataFileReader* reader = GetReader();
    if (reader == nullptr || reader->GetDataFormat() != COMMON::WLDF_TEXT)
        return 0;
    const std::vector<std::wstring> names = welldata::TableColumnNames(*reader);
    ShowCurves(TableCurveList::ListTable(
        names, [](int) { return true; }, TableCurveList::Page::MultiWell));
    return static_cast<int>(names.size());
}

void CDlgMultiWellLogInputData::GetColumnAssignment(welldata::PathColumnAssignment&) const {}
