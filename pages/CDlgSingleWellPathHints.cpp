#include "pages/CDlgSingleWellPathHints.h"

#include "ui_CDlgSingleWellPathHints.h"

CDlgSingleWellPathHints::CDlgSingleWellPathHints(QWidget* parent)
    : CDlgPage(parent), m_ui(std::make_unique<Ui::CDlgSingleWellPathHints>()) {
    m_ui->setupUi(this);
    m_ui->workflow->SetCurrentStep(CWorkflowPanel::Step::ImportWellPath, IDC_CURRENT_STEP);
}

CDlgSingleWellPathHints::~CDlgSingleWellPathHints() = default;
