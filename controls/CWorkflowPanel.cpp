#include "controls/CWorkflowPanel.h"

#include "controls/CColorStatic.h"
#include "controls/ControlId.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// A downward arrow between two steps, drawn so that it stays sharp at any size.
class StepArrow : public QWidget {
public:
    explicit StepArrow(QWidget* parent) : QWidget(parent) { setFixedHeight(22); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = palette().color(QPalette::WindowText);
        const qreal middle = width() / 2.0;
        painter.setPen(QPen(ink, 1.5));
        painter.drawLine(QPointF(middle, 2), QPointF(middle, height() - 7));
        QPainterPath head;
        head.moveTo(middle - 5, height() - 8);
        head.lineTo(middle + 5, height() - 8);
        head.lineTo(middle, height() - 1);
        head.closeSubpath();
        painter.fillPath(head, ink);
    }
};

const char* const kStepTexts[] = {
    QT_TRANSLATE_NOOP("CWorkflowPanel", "导入井位数据"),
    QT_TRANSLATE_NOOP("CWorkflowPanel", "创建新井"),
    QT_TRANSLATE_NOOP("CWorkflowPanel", "导入井轨迹"),
    QT_TRANSLATE_NOOP("CWorkflowPanel", "导入井数据"),
};

} // namespace

CWorkflowPanel::CWorkflowPanel(QWidget* parent) : QGroupBox(parent) {
    setTitle(tr("工作流程"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < kStepCount; ++i) {
        if (i > 0)
            layout->addWidget(new StepArrow(this));
        m_steps[i] = new CColorStatic(this);
        m_steps[i]->setText(tr(kStepTexts[i]));
        m_steps[i]->setAlignment(Qt::AlignCenter);
        m_steps[i]->setFrameShape(QFrame::Box);
        m_steps[i]->setMinimumHeight(28);
        m_steps[i]->setAutoFillBackground(false); // only the current step is coloured
        layout->addWidget(m_steps[i]);
    }
    layout->addStretch();
}

void CWorkflowPanel::SetCurrentStep(Step step, int controlId) {
    for (CColorStatic* stepStatic : m_steps)
        stepStatic->setAutoFillBackground(false);
    CColorStatic* current = GetStepStatic(step);
    current->setAutoFillBackground(true);
    current->setProperty(welldata::kControlIdProperty, controlId);
}

CColorStatic* CWorkflowPanel::GetStepStatic(Step step) const {
    return m_steps[static_cast<int>(step)];
}
