#include "TerminalProgressBar.h"

#include "TerminalText.h"
#include "welldata/Utf8.h"

#include <algorithm>

namespace {

constexpr size_t kLabelWidth = 40;
constexpr int kBarWidth = 30;

} // namespace

void TerminalProgressBar::SetLabel(const std::wstring& label) {
    m_label = TerminalText::KeepEnd(label, kLabelWidth);
    m_position = m_lower;
    m_drawnPercent = -1;
}

void TerminalProgressBar::Erase() {
    if (!m_shown)
        return;
    std::fputs("\r\x1b[K", m_terminal);
    std::fflush(m_terminal);
    m_shown = false;
    m_drawnPercent = -1;
}

void TerminalProgressBar::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    Draw();
}

void TerminalProgressBar::GetRange(int& lower, int& upper) const {
    lower = m_lower;
    upper = m_upper;
}

void TerminalProgressBar::SetPos(int position) {
    m_position = position;
    Draw();
}

void TerminalProgressBar::StepIt() {
    m_position += m_step;
    Draw();
}

int TerminalProgressBar::Percent() const {
    if (m_upper <= m_lower)
        return 0;
    const long long done = static_cast<long long>(m_position - m_lower) * 100 / (m_upper - m_lower);
    return static_cast<int>(std::clamp<long long>(done, 0, 100));
}

void TerminalProgressBar::Draw() {
    const int percent = Percent();
    if (percent == m_drawnPercent)
        return;
    m_drawnPercent = percent;
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<size_t>(filled), '#') +
                            std::string(static_cast<size_t>(kBarWidth - filled), '.');
    std::fprintf(m_terminal, "\r\x1b[K%s [%s] %3d%%",
                 welldata::ToUtf8(TerminalText::PadRight(m_label, kLabelWidth)).c_str(),
                 bar.c_str(), percent);
    std::fflush(m_terminal);
    m_shown = true;
}
