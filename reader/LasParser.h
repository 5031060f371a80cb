// Parses a LAS 2.0 file line by line as it is read: the header sections go
// into the section table, the lines after "~A" become rows (wrapped lines
// joined into records as they come), which go to a consumer as they are
// parsed. Once the file is read, Finish checks that every row holds one value
// per curve and says why the parse failed, with the message the reader shows
// (unless it loads in a batch).
#pragma once

#include "reader/CLasSectionTable.h"
#include "reader/LasDepthReport.h"
#include "reader/LineCells.h"
#include "reader/LoadReportRecorder.h"
#include "reader/ParseOutcome.h"
#include "reader/RowConsumer.h"
#include "reader/SourceLine.h"
#include "reader/WrappedRecordJoiner.h"

#include <optional>

class LasParser : public LineSink {
public:
    // `sections` may be absent: such a parse fails without a message.
    LasParser(CLasSectionTable* sections, RowConsumer& rows, LoadReportRecorder& report)
        : m_sections(sections), m_rows(rows), m_report(report) {}

    void TakeLine(const SourceLine& line) override;
    // After the last line: the checks of the whole file.
    ParseOutcome Finish();

private:
    // False for an item line before any section.
    bool TakeHeaderLine(const std::wstring& line);
    void StartSection(const std::wstring& line, std::size_t tilde);
    // At the "~A" line: the header is complete (no section can follow).
    void StartData();
    void TakeDataLine(const SourceLine& line);
    void PassRow(RowView cells, std::size_t line);
    // The units of the "~C" lines, in curve order.
    void NoteDeclaredUnits();
    bool IsWrapped() const;
    void CheckData(ParseOutcome& outcome);

    CLasSectionTable* m_sections;
    RowConsumer& m_rows;
    LoadReportRecorder& m_report;
    std::size_t m_lines = 0;
    // The line whose item came before any section; the parse stops there.
    std::optional<std::size_t> m_itemOutsideSection;
    CLasSection* m_pCurrentSection = nullptr;
    bool m_bInData = false;
    std::size_t m_curveCount = 0;
    std::size_t m_rowCount = 0;
    LineCells m_cells;
    std::optional<WrappedRecordJoiner> m_joiner;
    // The file line of the wrapped record being joined.
    std::size_t m_recordLine = 0;
    // The depths of the rows whose value count is not the curve count.
    LasDepthReport m_badDepths;
};
