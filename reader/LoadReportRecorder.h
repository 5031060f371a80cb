// Builds the load report of one read as the reader and the loaders go: the
// bytes read, the header and units lines, the rows of another length than the
// header, the cells read as 0. Each finding comes with the file line of its row.
#pragma once

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
    // A text row of `cells` cells, from file line `line`, under a header of
    // `headerCells`.
    void NoteRowLength(std::size_t cells, std::size_t headerCells, std::size_t line);
    // The cell of table row `row` in `column`, from file line `line`, was read
    // as 0; a cell already noted (an earlier row of that column read again) is
    // not counted twice.
    void NoteTextCell(std::size_t row, std::size_t column, std::size_t line);
    // Adds the cells `taken` noted while columns were taken from rows `firstRow`
    // (0 or 1) on, as if they had been noted here after this recorder's own:
    // those noted here came from the same rows, so a cell noted by both counts
    // once. Only the text cells of `taken` are looked at.
    void MergeTextCells(const LoadReportRecorder& taken, std::size_t firstRow);

private:
    // What was noted of one column's cells.
    struct TextCellColumn {
        std::size_t rowEnd = 0; // one past the last row noted
        std::size_t firstRow = 0;
        std::size_t count = 0;
    };

    static void Note(welldata::ReportedLines& finding, std::size_t line);
    static void KeepLine(std::vector<std::size_t>& lines, std::size_t line);

    welldata::LoadReport m_report;
    std::vector<TextCellColumn> m_textCellColumns;
};
