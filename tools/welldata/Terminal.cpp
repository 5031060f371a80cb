#include "Terminal.h"

#include "Options.h"
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
    {0x0300, 0x036F},
    {0x200B, 0x200F},
    {0xFE00, 0xFE0F},
    {0xFEFF, 0xFEFF},
};
constexpr size_t kLabelWidth = 40;
constexpr int kBarWidth = 30;

template <size_t N> bool InRanges(wchar_t c, const Range (&ranges)[N]) {
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const Range& range) { return c >= range.first && c <= range.last; });
}

size_t CharacterWidth(wchar_t c) {
    if (InRanges(c, kZeroWidthRanges))
        return 0;
    return InRanges(c, kWideRanges) ? 2 : 1;
}

// The library's messages end their lines with CR LF; a terminal wants LF, and
// the lines after the first are indented under the "welldata: file: " prefix.
std::wstring PlainLines(const std::wstring& text) {
    std::wstring lines;
    std::copy_if(text.begin(), text.end(), std::back_inserter(lines),
                 [](wchar_t c) { return c != L'\r'; });
    while (!lines.empty() && (lines.back() == L'\n' || lines.back() == L' '))
        lines.pop_back();
    return lines;
}

void Say(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

// A line of standard input without its blanks; none at the end of the input.
std::optional<std::string> ReadAnswer() {
    std::string line;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        line += buffer;
        if (line.back() == '\n')
            break;
    }
    if (line.empty()) {
        Say("\n");
        return std::nullopt;
    }
    const size_t first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

namespace terminal {

size_t Width(std::wstring_view text) {
    size_t width = 0;
    for (wchar_t c : text)
        width += CharacterWidth(c);
    return width;
}

std::wstring PadRight(std::wstring_view text, size_t width) {
    const size_t used = Width(text);
    return std::wstring(text) + std::wstring(used < width ? width - used : 0, L' ');
}

std::wstring PadLeft(std::wstring_view text, size_t width) {
    const size_t used = Width(text);
    return std::wstring(used < width ? width - used : 0, L' ') + std::wstring(text);
}

std::wstring KeepEnd(std::wstring_view text, size_t width) {
    if (Width(text) <= width)
        return std::wstring(text);
    const size_t room = width > 3 ? width - 3 : 0;
    size_t used = 0;
    size_t start = text.size();
    while (start > 0 && used + CharacterWidth(text[start - 1]) <= room)
        used += CharacterWidth(text[--start]);
    return L"..." + std::wstring(text.substr(start));
}

std::wstring KeepStart(std::wstring_view text, size_t width) {
    if (Width(text) <= width)
        return std::wstring(text);
    const size_t room = width > 3 ? width - 3 : 0;
    size_t used = 0;
    size_t end = 0;
    while (end < text.size() && used + CharacterWidth(text[end]) <= room)
        used += CharacterWidth(text[end++]);
    return std::wstring(text.substr(0, end)) + L"...";
}

} // namespace terminal

void TerminalProgressBar::SetLabel(const std::wstring& label) {
    m_label = terminal::KeepEnd(label, kLabelWidth);
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

void TerminalProgressBar::Draw() {
    long long done = 0;
    if (m_upper > m_lower)
        done = static_cast<long long>(m_position - m_lower) * 100 / (m_upper - m_lower);
    const int percent = static_cast<int>(std::clamp<long long>(done, 0, 100));
    if (percent == m_drawnPercent)
        return;
    m_drawnPercent = percent;
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<size_t>(filled), '#') +
                            std::string(static_cast<size_t>(kBarWidth - filled), '.');
    std::fprintf(m_terminal, "\r\x1b[K%s [%s] %3d%%",
                 welldata::ToUtf8(terminal::PadRight(m_label, kLabelWidth)).c_str(), bar.c_str(),
                 percent);
    std::fflush(m_terminal);
    m_shown = true;
}

MessagePrinter::MessagePrinter(TerminalProgressBar* progress)
    : m_progress(progress), m_handler([this](const welldata::MessageRequest& request) {
          Print(request.text);
          return request.buttons == welldata::MessageButtons::YesNo ? welldata::MessageResult::Yes
                                                                    : welldata::MessageResult::Ok;
      }) {}

void MessagePrinter::SetFile(const std::wstring& file) {
    m_file = file;
    m_last.clear();
}

void MessagePrinter::Print(const std::wstring& text) {
    if (m_progress != nullptr)
        m_progress->Erase();
    m_last = PlainLines(text);
    std::wstring line = L"welldata: " + (m_file.empty() ? L"" : m_file + L": ");
    for (wchar_t c : m_last)
        line += c == L'\n' ? std::wstring(L"\n  ") : std::wstring(1, c);
    Say(welldata::ToUtf8(line + L"\n"));
}

void MessagePrinter::Print(const std::string& utf8) {
    Print(welldata::FromUtf8(utf8));
}

void MessagePrinter::PrintOnce(const std::wstring& text) {
    if (m_last.empty() || m_last != PlainLines(text))
        Print(text);
}

TerminalUnitPrompt::TerminalUnitPrompt(std::optional<COMMON::ENUM_COOR_UNIT> coorAnswer,
                                       std::optional<COMMON::ENUM_COOR_UNIT> depthAnswer,
                                       const std::wstring& fileName, TerminalProgressBar* progress)
    : m_coorAnswer(coorAnswer), m_depthAnswer(depthAnswer), m_fileName(fileName),
      m_progress(progress),
      m_handler([this](const std::wstring&, welldata::UnitAnswer& answer) { return Ask(answer); }) {
}

bool TerminalUnitPrompt::Ask(welldata::UnitAnswer& answer) {
    if (m_progress != nullptr)
        m_progress->Erase();
    Say(welldata::ToUtf8(m_fileName) + ": the file's depth unit is " + UnitName(answer.depthUnit) +
        ", its coordinate unit " + UnitName(answer.coorUnit) + "; values are converted to m.\n");
    const auto depth = m_depthAnswer ? m_depthAnswer : AskUnit("Depth unit", answer.depthUnit);
    const auto coor = !depth         ? std::nullopt
                      : m_coorAnswer ? m_coorAnswer
                                     : AskUnit("Coordinate unit", answer.coorUnit);
    const auto same =
        !coor ? std::nullopt : AskYesNo("Same units in all following files, ask no more?");
    if (!same)
        return false;
    answer = {*coor, *depth, *same};
    return true;
}

std::optional<COMMON::ENUM_COOR_UNIT>
TerminalUnitPrompt::AskUnit(const std::string& question, COMMON::ENUM_COOR_UNIT suggestion) {
    for (;;) {
        Say(question + " (" + kUnitNames + ") [" + UnitName(suggestion) + "]: ");
        const auto text = ReadAnswer();
        if (!text || text->empty())
            return text ? std::optional(suggestion) : std::nullopt;
        if (const auto unit = FindUnit(*text))
            return unit;
        Say("Unknown unit '" + *text + "'.\n");
    }
}

std::optional<bool> TerminalUnitPrompt::AskYesNo(const std::string& question) {
    for (;;) {
        Say(question + " [y/N]: ");
        const auto text = ReadAnswer();
        if (!text)
            return std::nullopt;
        if (text->empty() || *text == "n" || *text == "N" || *text == "no")
            return false;
        if (*text == "y" || *text == "Y" || *text == "yes")
            return true;
    }
}
