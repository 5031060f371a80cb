// Builds the load report of one read as the reader and the loaders go: the
// bytes read, the header and units lines, the rows of another length than the
// header, the cells read as 0. Each row's file line is kept for the report.
#pragma once

#include "reader/LineMap.h"
#include "reader/RowTable.h"
#include "welldata/LoadReport.h"

#include <cstddef>
#include <string_view>
#include <vector>

class LoadReportRecorder {
public:
    // Forgets the last read.
    void Start();
    const welldata::LoadReport& Report() const { return m_report; }

    void NoteBytes(std::string_view bytes);
    void NoteHeader(std::size_t line, std::wstring_view text, std::size_t cells);
    void NoteUnitsLine(std::size_t line, const Row& units);
    void NoteDeclaredUnits(std::vector<std::wstring> units) {
        m_report.declaredUnits = std::move(units);
    }
    // Row `row` of the table came from file line `line`.
    void MapRow(std::size_t row, std::size_t line) { m_rowLines.Add(row, line); }
    // A text row of `cells` cells under a header of `headerCells`.
    void NoteRowLength(std::size_t row, std::size_t cells, std::size_t headerCells);
    // The cell of `row` in `column` was read as 0; a cell already noted (an
    // earlier row of that column read again) is not counted twice.
    void NoteTextCell(std::size_t row, std::size_t column);

private:
    void Note(welldata::ReportedLines& finding, std::size_t row) const;

    welldata::LoadReport m_report;
    LineMap m_rowLines;
    // Per column, one past the last row whose text cell was noted.
    std::vector<std::size_t> m_textCellRowEnd;
};
