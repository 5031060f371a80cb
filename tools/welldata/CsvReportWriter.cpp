#include "CsvReportWriter.h"

#include "OutputStream.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <map>

namespace {

std::string Quoted(const std::string& cell) {
    const bool plain = cell.find_first_of(",\"\r\n") == std::string::npos &&
                       (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
    if (plain)
        return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The number of each column among the equally named columns before it.
std::vector<int> Occurrences(const DataTable& table) {
    std::map<std::wstring, int> seen;
    std::vector<int> occurrences;
    for (const DataColumn& column : table.columns)
        occurrences.push_back(seen[column.name]++);
    return occurrences;
}

} // namespace

std::vector<CsvReportWriter::SharedColumn> CsvReportWriter::SharedColumns() const {
    std::vector<SharedColumn> shared;
    for (const DataTable& table : m_tables) {
        const std::vector<int> occurrences = Occurrences(table);
        for (size_t i = 0; i < table.columns.size(); ++i) {
            const SharedColumn column{table.columns[i].name, occurrences[i]};
            const bool known = std::any_of(shared.begin(), shared.end(), [&](const auto& other) {
                return other.name == column.name && other.occurrence == column.occurrence;
            });
            if (!known)
                shared.push_back(column);
        }
    }
    return shared;
}

std::vector<int> CsvReportWriter::PlaceColumns(const DataTable& table,
                                               const std::vector<SharedColumn>& shared) {
    const std::vector<int> occurrences = Occurrences(table);
    std::vector<int> places;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const auto place = std::find_if(shared.begin(), shared.end(), [&](const auto& other) {
            return other.name == table.columns[i].name && other.occurrence == occurrences[i];
        });
        places.push_back(static_cast<int>(place - shared.begin()));
    }
    return places;
}

void CsvReportWriter::Finish() {
    if (m_tables.empty())
        return;
    const bool withFile = m_tables.size() > 1;
    const std::vector<SharedColumn> shared = SharedColumns();
    WriteHeader(shared, withFile);
    for (const DataTable& table : m_tables)
        WriteRows(table, PlaceColumns(table, shared), shared.size(), withFile);
    m_tables.clear();
}

void CsvReportWriter::WriteHeader(const std::vector<SharedColumn>& shared, bool withFile) {
    std::vector<std::string> cells;
    if (withFile)
        cells.push_back("FILE");
    for (const SharedColumn& column : shared)
        cells.push_back(welldata::ToUtf8(column.name));
    WriteLine(cells);
}

void CsvReportWriter::WriteRows(const DataTable& table, const std::vector<int>& places,
                                size_t width, bool withFile) {
    const std::string file = welldata::ToUtf8(table.file);
    const size_t offset = withFile ? 1 : 0;
    for (size_t row = 0; row < table.RowCount(); ++row) {
        std::vector<std::string> cells(width + offset);
        if (withFile)
            cells[0] = file;
        for (size_t i = 0; i < table.columns.size(); ++i) {
            if (row < table.columns[i].Size())
                cells[offset + static_cast<size_t>(places[i])] = table.columns[i].Text(row);
        }
        WriteLine(cells);
    }
}

void CsvReportWriter::WriteLine(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        line += Quoted(cells[i]);
    }
    m_out.Write(line + "\n");
}
