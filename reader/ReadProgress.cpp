#include "reader/ReadProgress.h"

#include "welldata/CProgressCtrl.h"

namespace {

constexpr int kReadProgressSteps = 20;

} // namespace

ReadProgress::ReadProgress(CProgressCtrl* progress, long long fileSize)
    : m_progress(progress), m_bytesPerStep(fileSize / kReadProgressSteps) {}

void ReadProgress::Reach(long long position) {
    if (m_progress == nullptr || m_bytesPerStep <= 0)
        return;
    m_pending += position - m_position;
    m_position = position;
    for (long long steps = m_pending / m_bytesPerStep; steps > 0; --steps)
        m_progress->StepIt();
    m_pending %= m_bytesPerStep;
}
