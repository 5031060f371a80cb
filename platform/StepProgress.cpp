#include "platform/StepProgress.h"

#include "welldata/CProgressCtrl.h"

StepProgress::StepProgress(CProgressCtrl* progress, long long items, bool extraStep)
    : m_items(items) {
    if (progress == nullptr || !progress->HasWindow() || items <= 0)
        return;
    int lower = 0;
    int upper = 0;
    progress->GetRange(lower, upper);
    m_steps = static_cast<int>((upper - lower) * 0.3);
    // A range too small for a single step (or an inverted one) shows no progress
    // rather than dividing by zero.
    if (m_steps <= 0)
        return;
    m_progress = progress;
    if (items > m_steps)
        m_stride = items / m_steps;
    else
        m_perItem = m_steps / items + (extraStep ? 1 : 0);
}

void StepProgress::Advance(long long index) {
    if (m_progress == nullptr)
        return;
    if (m_stride > 0) {
        if (index % m_stride == 0)
            m_progress->StepIt();
        return;
    }
    for (long long i = 0; i < m_perItem; ++i)
        m_progress->StepIt();
}

void StepProgress::AdvanceThrough(long long first, long long last) {
    if (m_progress == nullptr || last < first)
        return;
    long long steps = 0;
    if (m_stride > 0) {
        // The multiples of the stride among the items.
        const auto upTo = [this](long long index) { return index < 0 ? 0 : index / m_stride + 1; };
        steps = upTo(last) - upTo(first - 1);
    } else {
        steps = (last - first + 1) * m_perItem;
    }
    for (; steps > 0; --steps)
        m_progress->StepIt();
}
