#include "reader/LoadReportRecorder.h"

#include <algorithm>
#include <array>

namespace {

// Bytes that do not belong in text: below 0x20 but for tab, line feed, form
// feed, carriage return and the old end-of-file mark 0x1A, and 0x7F. NUL is
// counted on its own.
constexpr std::array<bool, 256> kControlBytes = [] {
    std::array<bool, 256> control{};
    for (int byte = 1; byte < 0x20; ++byte)
        control[static_cast<size_t>(byte)] =
            byte != '\t' && byte != '\n' && byte != '\f' && byte != '\r' && byte != 0x1A;
    control[0x7F] = true;
    return control;
}();

// The fields a reader sees in a line: split at its tabs, else commas, else
// semicolons, else blanks; blank fields are not counted.
std::size_t VisibleFields(std::wstring_view line) {
    wchar_t separator = L' ';
    for (wchar_t candidate : {L'\t', L',', L';'}) {
        if (line.find(candidate) != std::wstring_view::npos) {
            separator = candidate;
            break;
        }
    }
    std::size_t fields = 0;
    bool inField = false;
    for (wchar_t c : line) {
        const bool blank = c == separator || c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
        fields += !blank && !inField ? 1 : 0;
        inField = c == separator ? false : inField || !blank;
    }
    return fields;
}

} // namespace

void LoadReportRecorder::Start() {
    m_report = {};
    m_rowLines.Clear();
    m_textCellRowEnd.clear();
}

void LoadReportRecorder::NoteBytes(std::string_view bytes) {
    m_report.bytes += bytes.size();
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        m_report.nulBytes += byte == 0 ? 1 : 0;
        m_report.controlBytes += kControlBytes[byte] ? 1 : 0;
    }
}

void LoadReportRecorder::NoteHeader(std::size_t line, std::wstring_view text, std::size_t cells) {
    m_report.headerLine = line;
    m_report.headerCells = cells;
    m_report.headerFields = VisibleFields(text);
}

void LoadReportRecorder::NoteUnitsLine(std::size_t line, const Row& units) {
    m_report.unitsLine = line;
    m_report.declaredUnits = units;
}

void LoadReportRecorder::NoteRowLength(std::size_t row, std::size_t cells,
                                       std::size_t headerCells) {
    if (cells < headerCells)
        Note(m_report.shortRows, row);
    else if (cells > headerCells)
        Note(m_report.longRows, row);
}

void LoadReportRecorder::NoteTextCell(std::size_t row, std::size_t column) {
    if (column >= m_textCellRowEnd.size())
        m_textCellRowEnd.resize(column + 1, 0);
    if (row < m_textCellRowEnd[column])
        return;
    m_textCellRowEnd[column] = row + 1;
    Note(m_report.textCells, row);
}

void LoadReportRecorder::Note(welldata::ReportedLines& finding, std::size_t row) const {
    ++finding.count;
    // Cells of several columns arrive column by column: keep the first lines,
    // each once.
    const std::size_t line = m_rowLines.Line(row);
    std::vector<std::size_t>& lines = finding.lines;
    const auto at = std::lower_bound(lines.begin(), lines.end(), line);
    if ((at != lines.end() && *at == line) ||
        (at == lines.end() && lines.size() >= welldata::kReportedLines))
        return;
    lines.insert(at, line);
    if (lines.size() > welldata::kReportedLines)
        lines.pop_back();
}
