// What the last read of a file did to its text beyond what the records show:
// the header cells it split the header line into, the rows it padded or kept
// longer than the header, the cells it read as 0 because they are not numbers,
// the units the file declares, and whether the file is text at all. The load
// itself is not changed by any of it: a host decides what to tell the user.
// CLoadData::GetLoadReport gives it after any load, with dialogs or without.
#pragma once

#include "welldata/Export.h"

#include <cstddef>
#include <string>
#include <vector>

namespace welldata {

// How many line numbers a report keeps of each finding.
inline constexpr std::size_t kReportedLines = 5;

struct ReportedLines {
    std::size_t count = 0;
    // The 1-based file lines (blank lines counted) of the first findings, at
    // most kReportedLines of them, in file order.
    std::vector<std::size_t> lines;
};

struct LoadReport {
    // Text tables: the header line and the cells the reader split it into (at
    // tabs, blanks, ",", ":" and ";"), beside the fields the line shows to a
    // reader: split at its tabs, else its commas, else its semicolons, else
    // its blanks. "Depth (ft),GR (API)" is 2 fields and 4 cells, and from the
    // second cell on the columns are named after other columns' text.
    std::size_t headerLine = 0;
    std::size_t headerCells = 0;
    std::size_t headerFields = 0;
    // Text tables: rows with fewer cells than the header, padded at the end
    // with "-9999.0" cells (an empty field between two separators gives no
    // cell, so the values after it move one column left), and rows with more
    // cells than the header, whose cells past the header's are never loaded.
    ReportedLines shortRows;
    ReportedLines longRows;
    // Cells of columns loaded as numbers that are not numbers and were read
    // as 0 (each cell counted once, however many loaders read it).
    ReportedLines textCells;
    // The unit of each file column (0-based) as the file declares it: the
    // units line under a text table's header, a LAS file's "~C" units. Empty
    // texts where it declares none.
    std::size_t unitsLine = 0;
    std::vector<std::wstring> declaredUnits;
    // The bytes read, the NUL bytes among them (each ends the usable part of
    // its 2048-byte chunk), and the other control bytes (below 0x20 except
    // tab, line feed, form feed, carriage return and the end-of-file mark
    // 0x1A; 0x7F). A file read in UTF-16 (or another code page whose ASCII
    // bytes are not themselves) counts the bytes of its text in UTF-8, so its
    // zero bytes are no NUL bytes.
    std::size_t bytes = 0;
    std::size_t nulBytes = 0;
    std::size_t controlBytes = 0;

    // Text in the data code page: no NUL byte and at most one control byte in
    // a hundred.
    bool IsText() const { return nulBytes == 0 && controlBytes * 100 <= bytes; }
    bool HeaderSplitsFurther() const { return headerCells > headerFields; }
    // Whether the read moved, dropped or zeroed any cell of the file.
    bool ChangedCells() const {
        return HeaderSplitsFurther() || shortRows.count > 0 || longRows.count > 0 ||
               textCells.count > 0;
    }
    // The unit file column `column` declares; empty when none.
    std::wstring DeclaredUnit(int column) const {
        return column >= 0 && static_cast<std::size_t>(column) < declaredUnits.size()
                   ? declaredUnits[static_cast<std::size_t>(column)]
                   : std::wstring();
    }
};

// One English sentence per finding that changed cells, and one when the file
// is not text, for logs and command lines; none for a file read as it is.
WELLDATA_API std::vector<std::wstring> DescribeLoadReport(const LoadReport& report);

} // namespace welldata
