#include "StatusProgressBar.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {

constexpr qint64 kRepaintMilliseconds = 40;

} // namespace

StatusProgressBar::StatusProgressBar(QProgressBar* bar) : m_bar(bar) {
    m_bar->setVisible(false);
}

void StatusProgressBar::Start() {
    m_steps = 0;
    m_active = true;
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setVisible(true);
    m_sinceRepaint.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusProgressBar::Finish() {
    m_active = false;
    m_bar->setVisible(false);
}

void StatusProgressBar::SetRange(int lower, int upper) {
    m_bar->setRange(lower, upper);
}

void StatusProgressBar::GetRange(int& lower, int& upper) const {
    lower = m_bar->minimum();
    upper = m_bar->maximum();
}

void StatusProgressBar::SetStep(int step) {
    m_step = step;
}

void StatusProgressBar::SetPos(int position) {
    m_bar->setValue(position);
    Repaint();
}

void StatusProgressBar::StepIt() {
    ++m_steps;
    // A step past the end starts again from the beginning, as a native bar does.
    int next = m_bar->value() + m_step;
    if (next > m_bar->maximum())
        next = m_bar->minimum() + (next - m_bar->maximum());
    m_bar->setValue(next);
    Repaint();
}

bool StatusProgressBar::HasWindow() const {
    return m_active;
}

void StatusProgressBar::Repaint() {
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < kRepaintMilliseconds)
        return;
    m_sinceRepaint.restart();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
