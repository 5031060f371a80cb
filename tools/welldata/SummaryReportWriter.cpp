#include "SummaryReportWriter.h"

#include "ColumnSummary.h"
#include "OutputStream.h"
#include "PropertyText.h"
#include "TerminalText.h"
#include "welldata/Utf8.h"

#include <algorithm>

namespace {

std::wstring Wide(const std::string& utf8) {
    return welldata::FromUtf8(utf8);
}

std::wstring Count(size_t count) {
    return std::to_wstring(count);
}

// The type column only says something when a type differs from its name.
bool ShowsTypes(const DataTable& table) {
    return std::any_of(table.columns.begin(), table.columns.end(), [](const DataColumn& column) {
        return !column.type.empty() && column.type != column.name;
    });
}

} // namespace

void SummaryReportWriter::Add(DataTable table) {
    if (m_wroteTable)
        m_out.Write("\n");
    m_wroteTable = true;
    WriteHeading(table);
    WriteProperties(table);
    WriteColumns(table);
}

void SummaryReportWriter::WriteHeading(const DataTable& table) {
    m_out.Write(table.file);
    m_out.Write(": " + table.kind + ", " + std::to_string(table.columns.size()) + " " +
                table.columnNoun + ", " + std::to_string(table.RowCount()) + " " + table.rowNoun +
                "\n");
}

void SummaryReportWriter::WriteProperties(const DataTable& table) {
    for (const TableProperty& property : table.properties)
        m_out.Write("  " + PropertyText::Label(property.key) + ": " +
                    PropertyText::Format(property.value) + "\n");
}

void SummaryReportWriter::WriteColumns(const DataTable& table) {
    if (table.columns.empty())
        return;
    const bool types = ShowsTypes(table);
    std::vector<Line> lines;
    Line heading = {L"Name"};
    if (types)
        heading.push_back(L"Type");
    heading.insert(heading.end(), {L"Unit", L"Samples", L"Nulls", L"Min", L"Max"});
    lines.push_back(heading);
    for (const DataColumn& column : table.columns) {
        const ColumnSummary summary(column);
        Line line = {column.name};
        if (types)
            line.push_back(column.type);
        line.insert(line.end(), {column.unit, Count(summary.Samples()), Count(summary.Nulls()),
                                 Wide(summary.MinText()), Wide(summary.MaxText())});
        lines.push_back(line);
    }
    std::vector<bool> rightAligned(heading.size(), true);
    std::fill(rightAligned.begin(), rightAligned.begin() + (types ? 3 : 2), false);
    m_out.Write("\n");
    WriteAligned(lines, rightAligned);
}

void SummaryReportWriter::WriteAligned(const std::vector<Line>& lines,
                                       const std::vector<bool>& rightAligned) {
    std::vector<size_t> widths(rightAligned.size(), 0);
    for (const Line& line : lines) {
        for (size_t cell = 0; cell < line.size(); ++cell)
            widths[cell] = std::max(widths[cell], TerminalText::Width(line[cell]));
    }
    for (const Line& line : lines) {
        std::wstring text;
        for (size_t cell = 0; cell < line.size(); ++cell) {
            text += L"  ";
            text += rightAligned[cell] ? TerminalText::PadLeft(line[cell], widths[cell])
                                       : TerminalText::PadRight(line[cell], widths[cell]);
        }
        text.erase(text.find_last_not_of(L' ') + 1);
        m_out.Write(text + L"\n");
    }
}
