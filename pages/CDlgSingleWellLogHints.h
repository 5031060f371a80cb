// The first tab of the single well log import ("操作说明"): the work-flow of
// bringing a well in, with "导入井数据" (30086) as the current step, and what
// to do before loading curves and about null values. It has no behaviour of
// its own.
//
// Usage (the single well log dialog):
//   m_hintsPage = new CDlgSingleWellLogHints(this);  // then in InitPages:
//   AddPage(m_hintsPage->Create(this), "操作说明");
#pragma once

#include "pages/CDlgPage.h"

#include <memory>

namespace Ui {
class CDlgSingleWellLogHints;
}

class CDlgSingleWellLogHints : public CDlgPage {
    Q_OBJECT

public:
    enum ControlId { IDD = 10015, IDC_CURRENT_STEP = 30086 };

    explicit CDlgSingleWellLogHints(QWidget* parent = nullptr);
    ~CDlgSingleWellLogHints() override;

private:
    std::unique_ptr<Ui::CDlgSingleWellLogHints> m_ui;
};
