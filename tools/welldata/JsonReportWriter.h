// The full data as one JSON document: {"files": [...], "failed": [...]}, each
// file with its properties and its columns (summary figures and all values).
// Null values are JSON nulls. The files are written as they come.
#pragma once

#include "ReportWriter.h"

#include <string>
#include <vector>

class JsonReportWriter : public ReportWriter {
public:
    explicit JsonReportWriter(OutputStream& out) : m_out(out) {}

    void Add(DataTable table) override;
    void AddFailure(const std::wstring& file, const std::wstring& reason) override;
    void Finish() override;

private:
    std::string Properties(const DataTable& table) const;
    std::string Column(const DataColumn& column) const;
    static std::string Values(const DataColumn& column);

    OutputStream& m_out;
    bool m_started = false;
    bool m_finished = false;
    std::vector<std::string> m_failures;
};
