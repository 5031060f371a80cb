// The full data as comma-separated values: a header line of column names and
// one line per row. Results of several files (or several tables of one file)
// share one table: a FILE column first, then every column name met, in the
// order met; a file without a column leaves its cells empty. Values are
// written as stored, the null value -9999 included.
#pragma once

#include "ReportWriter.h"

#include <string>
#include <vector>

class CsvReportWriter : public ReportWriter {
public:
    explicit CsvReportWriter(OutputStream& out) : m_out(out) {}

    void Add(DataTable table) override { m_tables.push_back(std::move(table)); }
    void AddFailure(const std::wstring&, const std::wstring&) override {}
    void Finish() override;

private:
    // A column of the shared table: a name and which of the equally named
    // columns of one table it is.
    struct SharedColumn {
        std::wstring name;
        int occurrence;
    };

    std::vector<SharedColumn> SharedColumns() const;
    static std::vector<int> PlaceColumns(const DataTable& table,
                                         const std::vector<SharedColumn>& shared);
    void WriteHeader(const std::vector<SharedColumn>& shared, bool withFile);
    void WriteRows(const DataTable& table, const std::vector<int>& places, size_t width,
                   bool withFile);
    void WriteLine(const std::vector<std::string>& cells);

    OutputStream& m_out;
    std::vector<DataTable> m_tables;
};
