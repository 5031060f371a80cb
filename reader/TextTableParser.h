// Parses a delimited text table line by line as the file is read: the header
// line (the first line, or with the header search the first that contains
// "depth"), an optional units line of names only, then one row per data line,
// padded with "-9999.0" cells to the header's width. Rows go to a consumer as
// they are parsed; the load report learns the header, the units and the rows
// of another width.
#pragma once

#include "reader/LineCells.h"
#include "reader/LoadReportRecorder.h"
#include "reader/ParseOutcome.h"
#include "reader/RowConsumer.h"
#include "reader/SourceLine.h"

class TextTableParser : public LineSink {
public:
    TextTableParser(bool headerSearch, RowConsumer& rows, LoadReportRecorder& report)
        : m_headerSearch(headerSearch), m_rows(rows), m_report(report) {}

    void TakeLine(const SourceLine& line) override;
    // After the last line.
    ParseOutcome Finish() const;

private:
    enum class Stage { Header, UnitsLine, Data };

    void TakeHeader(const SourceLine& line);
    void TakeDataLine(const SourceLine& line);
    void Split(const SourceLine& line);
    bool IsUnitsLine() const;
    void PassRow(std::size_t line);

    bool m_headerSearch;
    RowConsumer& m_rows;
    LoadReportRecorder& m_report;
    Stage m_stage = Stage::Header;
    std::size_t m_lines = 0;
    std::size_t m_dataLines = 0;
    std::size_t m_headerWidth = 0;
    std::size_t m_rowCount = 0;
    LineCells m_cells;
};
