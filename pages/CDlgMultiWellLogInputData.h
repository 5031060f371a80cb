// The curve page of the multi-well log import ("设置井数据类型" tab): every
// column of the batch's header table in the curve list of
// CDlgWellLogDataBase. Only the curves whose kind has a default unit (ids up
// to 43 in the "well_log" section) get a type and that unit. The page carries
// no well path: it reports no path columns.
//
// Usage (the multi-well dialog):
//   m_dataPage = new CDlgMultiWellLogInputData(this);  // then in InitPages:
//   AddPage(m_dataPage->Create(this), "设置井数据类型");
//   // on OK:
//   m_dataPage->CollectCurves(curves);
#pragma once

#include "pages/CDlgWellLogDataBase.h"

#include <memory>

namespace Ui {
class CDlgMultiWellLogInputData;
}

class CDlgMultiWellLogInputData : public CDlgWellLogDataBase {
    Q_OBJECT

public:
    enum ControlId { IDD = 10030 };

    explicit CDlgMultiWellLogInputData(QWidget* parent = nullptr);
    ~CDlgMultiWellLogInputData() override;

    // Every column of a text table; the number of its columns, 0 without a
    // reader, without names or for a file that is no text table.
    int FillCurveList() override;
    // The page has no path columns: `out` is left as it is.
    void GetColumnAssignment(welldata::PathColumnAssignment& out) const override;

private:
    std::unique_ptr<Ui::CDlgMultiWellLogInputData> m_ui;
};
