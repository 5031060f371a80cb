// The work-flow panel at the left of the well head dialogs and on the hints
// pages: a group "工作流程" with the four steps of bringing a well in, joined by
// arrows, the step the dialog stands for on a coloured background.
//
// Usage: in a .ui file, promote a QGroupBox to CWorkflowPanel (header
// controls/CWorkflowPanel.h), then in the dialog's constructor:
//   m_ui->workflow->SetCurrentStep(CWorkflowPanel::Step::ImportWellPath, 30085);
// The current step is a CColorStatic with that control id.
#pragma once

#include <QGroupBox>

class CColorStatic;

class CWorkflowPanel : public QGroupBox {
    Q_OBJECT

public:
    enum class Step { ImportWellHeads, CreateWell, ImportWellPath, ImportWellData };

    explicit CWorkflowPanel(QWidget* parent = nullptr);

    // Marks `step` as the dialog's own and gives its static the control id.
    void SetCurrentStep(Step step, int controlId);
    CColorStatic* GetStepStatic(Step step) const;

private:
    static constexpr int kStepCount = 4;
    CColorStatic* m_steps[kStepCount] = {};
};
