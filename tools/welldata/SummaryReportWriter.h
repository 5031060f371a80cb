// The default output: per file a heading, its properties and one line per
// column with its unit, sample and null counts and its range.
#pragma once

#include "ReportWriter.h"

#include <string>
#include <vector>

class SummaryReportWriter : public ReportWriter {
public:
    explicit SummaryReportWriter(OutputStream& out) : m_out(out) {}

    void Add(DataTable table) override;
    // Failures are listed on standard error by the command.
    void AddFailure(const std::wstring&, const std::wstring&) override {}
    void Finish() override {}

private:
    using Line = std::vector<std::wstring>;

    void WriteHeading(const DataTable& table);
    void WriteProperties(const DataTable& table);
    void WriteColumns(const DataTable& table);
    void WriteAligned(const std::vector<Line>& lines, const std::vector<bool>& rightAligned);

    OutputStream& m_out;
    bool m_wroteTable = false;
};
