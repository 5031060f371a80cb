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
    m_textCellColumns.clear();
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

void LoadReportRecorder::NoteRowLength(std::size_t cells, std::size_t headerCells,
                                       std::size_t line) {
    if (cells < headerCells)
        Note(m_report.shortRows, line);
    else if (cells > headerCells)
        Note(m_report.longRows, line);
}

void LoadReportRecorder::NoteTextCell(std::size_t row, std::size_t column, std::size_t line) {
    if (column >= m_textCellColumns.size())
        m_textCellColumns.resize(column + 1);
    TextCellColumn& noted = m_textCellColumns[column];
    if (row < noted.rowEnd)
        return;
    if (noted.count == 0)
        noted.firstRow = row;
    noted.rowEnd = row + 1;
    ++noted.count;
    Note(m_report.textCells, line);
}

void LoadReportRecorder::MergeTextCells(const LoadReportRecorder& taken, std::size_t firstRow) {
    welldata::ReportedLines& cells = m_report.textCells;
    for (std::size_t column = 0; column < taken.m_textCellColumns.size(); ++column) {
        const TextCellColumn& theirs = taken.m_textCellColumns[column];
        if (theirs.count == 0)
            continue;
        if (column >= m_textCellColumns.size())
            m_textCellColumns.resize(column + 1);
        TextCellColumn& ours = m_textCellColumns[column];
        // Every cell noted here from `firstRow` on is among `taken`'s: only a
        // cell of row 0 can be noted here alone.
        const std::size_t ownOnly = ours.count > 0 && ours.firstRow < firstRow ? 1 : 0;
        const std::size_t shared = std::min(ours.count - ownOnly, theirs.count);
        const std::size_t added = theirs.count - shared;
        if (ours.count == 0)
            ours.firstRow = theirs.firstRow;
        ours.count += added;
        ours.rowEnd = std::max(ours.rowEnd, theirs.rowEnd);
        cells.count += added;
    }
    // The lines kept are the first ones of both, each once.
    for (std::size_t line : taken.m_report.textCells.lines)
        KeepLine(cells.lines, line);
}

void LoadReportRecorder::Note(welldata::ReportedLines& finding, std::size_t line) {
    ++finding.count;
    KeepLine(finding.lines, line);
}

void LoadReportRecorder::KeepLine(std::vector<std::size_t>& lines, std::size_t line) {
    // Cells of several columns may arrive column by column: keep the first
    // lines, each once.
    const auto at = std::lower_bound(lines.begin(), lines.end(), line);
    if ((at != lines.end() && *at == line) ||
        (at == lines.end() && lines.size() >= welldata::kReportedLines))
        return;
    lines.insert(at, line);
    if (lines.size() > welldata::kReportedLines)
        lines.pop_back();
}
