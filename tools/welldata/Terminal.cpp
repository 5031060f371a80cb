#include "Terminal.h"

#include "welldata/Utf8.h"

#include <algorithm>
#include <iterator>

namespace {

struct Range {
    wchar_t first;
    wchar_t last;
};

// East Asian wide and fullwidth characters (the main blocks).
constexpr Range kWideRanges[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F}, {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};
constexpr Range kZeroWidthRanges[] = {
    {0x0300, 0x036F}, {0x200B, 0x200F}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}};
constexpr size_t kLabelWidth = 40;
constexpr int kBarWidth = 30;

template <size_t N> bool InRanges(wchar_t c, const Range (&ranges)[N]) {
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const Range& range) { return c >= range.first && c <= range.last; });
}

size_t CharacterWidth(wchar_t c) {
    return InRanges(c, kZeroWidthRanges) ? 0 : InRanges(c, kWideRanges) ? 2 : 1;
}

// The library's messages end their lines with CR LF; a terminal wants LF.
std::wstring PlainLines(const std::wstring& text) {
    std::wstring lines;
    std::copy_if(text.begin(), text.end(), std::back_inserter(lines),
                 [](wchar_t c) { return c != L'\r'; });
    return lines.erase(lines.find_last_not_of(L"\n ") + 1);
}

} // namespace

namespace terminal {

size_t Width(std::wstring_view text) {
    size_t width = 0;
    for (wchar_t c : text)
        width += CharacterWidth(c);
    return width;
}

std::wstring Pad(std::wstring_view text, size_t width, bool left) {
    const size_t used = Width(text);
    const std::wstring blanks(used < width ? width - used : 0, L' ');
    return left ? blanks + std::wstring(text) : std::wstring(text) + blanks;
}

std::wstring Fit(std::wstring_view text, size_t width, bool keepEnd) {
    if (Width(text) <= width)
        return std::wstring(text);
    // Characters are taken from the kept end until the room is used up.
    const size_t room = width > 3 ? width - 3 : 0;
    size_t used = 0;
    size_t kept = 0;
    while (kept < text.size()) {
        const wchar_t c = keepEnd ? text[text.size() - 1 - kept] : text[kept];
        if (used + CharacterWidth(c) > room)
            break;
        used += CharacterWidth(c);
        ++kept;
    }
    return keepEnd ? L"..." + std::wstring(text.substr(text.size() - kept))
                   : std::wstring(text.substr(0, kept)) + L"...";
}

void Say(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace terminal

void TerminalProgressBar::SetLabel(const std::wstring& label) {
    m_label = terminal::Fit(label, kLabelWidth, true);
    m_position = m_lower;
    m_drawnPercent = -1;
}

void TerminalProgressBar::Erase() {
    if (m_shown)
        terminal::Say("\r\x1b[K");
    m_shown = false;
    m_drawnPercent = -1;
}

void TerminalProgressBar::SetPos(int position) {
    m_position = position;
    long long done = 0;
    if (m_upper > m_lower)
        done = static_cast<long long>(m_position - m_lower) * 100 / (m_upper - m_lower);
    const int percent = static_cast<int>(std::clamp<long long>(done, 0, 100));
    if (percent == m_drawnPercent)
        return;
    m_drawnPercent = percent;
    const int filled = percent * kBarWidth / 100;
    const std::wstring line = L"\r\x1b[K" + terminal::Pad(m_label, kLabelWidth) + L" [" +
                              std::wstring(static_cast<size_t>(filled), L'#') +
                              std::wstring(static_cast<size_t>(kBarWidth - filled), L'.') + L"] ";
    const std::wstring number = std::to_wstring(percent);
    terminal::Say(welldata::ToUtf8(line + std::wstring(3 - number.size(), L' ') + number + L"%"));
    m_shown = true;
}

MessagePrinter::MessagePrinter(TerminalProgressBar* progress)
    : m_progress(progress), m_handler([this](const welldata::MessageRequest& request) {
          Print(request.text);
          return request.buttons == welldata::MessageButtons::YesNo ? welldata::MessageResult::Yes
                                                                    : welldata::MessageResult::Ok;
      }) {}

void MessagePrinter::Print(const std::wstring& text) {
    if (m_progress != nullptr)
        m_progress->Erase();
    m_last = PlainLines(text);
    // The lines after the first are indented under the "welldata: file: " prefix.
    std::wstring line = L"welldata: " + (m_file.empty() ? L"" : m_file + L": ");
    for (wchar_t c : m_last)
        line += c == L'\n' ? std::wstring(L"\n  ") : std::wstring(1, c);
    terminal::Say(welldata::ToUtf8(line + L"\n"));
}

void MessagePrinter::PrintOnce(const std::wstring& text) {
    if (m_last.empty() || m_last != PlainLines(text))
        Print(text);
}
