// The first tab of the well path import ("操作说明"): the work-flow of bringing
// a well in, with "导入井轨迹" (30085) as the current step, and what to do
// before loading a path and about null values. It has no behaviour of its own.
//
// Usage (the well path dialog):
//   m_hintsPage = new CDlgSingleWellPathHints(this);  // then in InitPages:
//   AddPage(m_hintsPage->Create(this), "操作说明");
#pragma once

#include "pages/CDlgPage.h"

#include <memory>

namespace Ui {
class CDlgSingleWellPathHints;
}

class CDlgSingleWellPathHints : public CDlgPage {
    Q_OBJECT

public:
    enum ControlId { IDD = 10007, IDC_CURRENT_STEP = 30085 };

    explicit CDlgSingleWellPathHints(QWidget* parent = nullptr);
    ~CDlgSingleWellPathHints() override;

private:
    std::unique_ptr<Ui::CDlgSingleWellPathHints> m_ui;
};
