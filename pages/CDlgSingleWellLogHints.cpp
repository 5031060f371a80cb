#include "pages/CDlgSingleWellLogHints.h"

#include "ui_CDlgSingleWellLogHints.h"

CDlgSingleWellLogHints::CDlgSingleWellLogHints(QWidget* parent)
    : CDlgPage(parent), m_ui(std::make_unique<Ui::CDlgSingleWellLogHints>()) {
    m_ui->setupUi(this);
    m_ui->workflow->SetCurrentStep(CWorkflowPanel::Step::ImportWellData, IDC_CURRENT_STEP);
}

CDlgSingleWellLogHints::~CDlgSingleWellLogHints() = default;
