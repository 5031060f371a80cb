#include "Report.h"

#include "Terminal.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <tuple>

namespace {

std::string Utf8JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const char* named = c == '"'    ? "\\\""
                            : c == '\\' ? "\\\\"
                            : c == '\n' ? "\\n"
                            : c == '\r' ? "\\r"
                            : c == '\t' ? "\\t"
                                        : nullptr;
        char escape[8] = {c, '\0'};
        if (named == nullptr && static_cast<unsigned char>(c) < 0x20)
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
        out += named != nullptr ? named : escape;
    }
    return out + "\"";
}

std::string Member(const std::string& name, const std::string& json) {
    return Utf8JsonString(name) + ": " + json;
}

// How many values a column holds, how many are null, and the rows of the
// smallest and largest of the others.
struct ColumnSummary {
    explicit ColumnSummary(const Column& column) : samples(column.Size()) {
        for (size_t row = 0; row < samples; ++row) {
            if (column.IsNull(row)) {
                ++nulls;
                continue;
            }
            if (column.IsText())
                continue;
            const double value = column.Number(row);
            if (!minRow || value < column.Number(*minRow))
                minRow = row;
            if (!maxRow || value > column.Number(*maxRow))
                maxRow = row;
        }
    }

    size_t samples = 0;
    size_t nulls = 0;
    std::optional<size_t> minRow;
    std::optional<size_t> maxRow;
};

std::vector<std::wstring> Findings(const Table& table) {
    return table.report ? welldata::DescribeLoadReport(*table.report) : std::vector<std::wstring>();
}

// {"name": json, ...} on one line.
std::string Object(std::initializer_list<std::pair<const char*, std::string>> members) {
    std::string text;
    for (const auto& [name, json] : members)
        text += (text.empty() ? "{" : ", ") + Member(name, json);
    return text + "}";
}

// A property's value as the summary shows it and as JSON holds it.
struct PropertyText {
    bool json;
    std::string operator()(const std::wstring& text) const {
        return json ? JsonString(text) : welldata::ToUtf8(text);
    }
    std::string operator()(double number) const {
        return json ? JsonNumber(number, NumberText(number)) : NumberText(number);
    }
    std::string operator()(bool flag) const {
        return flag ? (json ? "true" : "yes") : (json ? "false" : "no");
    }
    template <class Number> std::string operator()(const std::vector<Number>& numbers) const {
        std::string text;
        for (const Number& number : numbers)
            text += (text.empty() ? "" : ", ") + NumberText(number);
        return json ? "[" + text + "]" : text.empty() ? "none" : text;
    }
};

// A readable table per file: heading, properties, then per column its unit,
// samples, nulls, minimum and maximum.
class SummaryWriter : public ReportWriter {
public:
    void Add(Table table) override {
        if (m_wroteTable)
            Write("\n");
        m_wroteTable = true;
        Write(table.file);
        Write(": " + table.kind + ", " + std::to_string(table.columns.size()) + " " +
              table.columnNoun + ", " + std::to_string(table.RowCount()) + " " + table.rowNoun +
              "\n");
        for (const Property& property : table.properties) {
            std::string label = property.key;
            std::replace(label.begin(), label.end(), '_', ' ');
            Write("  " + label + ": " + std::visit(PropertyText{false}, property.value) + "\n");
        }
        for (const std::wstring& finding : Findings(table))
            Write(L"  warning: " + finding + L"\n");
        WriteHeader(table.header);
        WriteColumns(table);
    }

private:
    using Line = std::vector<std::wstring>;

    void WriteHeader(const std::vector<welldata::LasHeaderSection>& header) {
        for (const welldata::LasHeaderSection& section : header) {
            Write(L"\n  " + section.name + L"\n");
            std::vector<Line> lines;
            for (const welldata::LasHeaderItem& item : section.items)
                lines.push_back({item.mnemonic, item.unit, item.value, L":" + item.description});
            WriteAligned(lines, {false, false, false, false}, L"    ");
        }
    }

    void WriteColumns(const Table& table) {
        if (table.columns.empty())
            return;
        // The type column only says something when a type differs from its name.
        const bool types = std::any_of(table.columns.begin(), table.columns.end(),
                                       [](auto& c) { return !c.type.empty() && c.type != c.name; });
        // The declared units only where one says something the recorded do not.
        const bool declared = std::any_of(table.columns.begin(), table.columns.end(), [](auto& c) {
            return !c.declaredUnit.empty() && c.declaredUnit != c.unit;
        });
        Line heading = {L"Name"};
        if (types)
            heading.push_back(L"Type");
        heading.push_back(L"Unit");
        if (declared)
            heading.push_back(L"Declared");
        heading.insert(heading.end(), {L"Samples", L"Nulls", L"Min", L"Max"});
        std::vector<Line> lines{heading};
        for (const Column& column : table.columns) {
            const ColumnSummary summary(column);
            const auto extreme = [&](const std::optional<size_t>& row) {
                return row ? welldata::FromUtf8(CellText(column, *row)) : std::wstring();
            };
            Line line = {column.name};
            if (types)
                line.push_back(column.type);
            // Where the two units differ, the one the values are in is marked.
            const auto unit = [&](const std::wstring& text) {
                return text +
                       (column.UnitsDiffer() && &column.UnitUsed() == &text ? L" (used)" : L"");
            };
            line.push_back(unit(column.unit));
            if (declared)
                line.push_back(unit(column.declaredUnit));
            line.insert(line.end(),
                        {std::to_wstring(summary.samples), std::to_wstring(summary.nulls),
                         extreme(summary.minRow), extreme(summary.maxRow)});
            lines.push_back(line);
        }
        std::vector<bool> rightAligned(heading.size(), true);
        std::fill(rightAligned.begin(), rightAligned.begin() + (types ? 3 : 2) + declared, false);
        Write("\n");
        WriteAligned(lines, rightAligned, L"  ");
    }

    void WriteAligned(const std::vector<Line>& lines, const std::vector<bool>& rightAligned,
                      const std::wstring& indent) {
        std::vector<size_t> widths(rightAligned.size(), 0);
        for (const Line& line : lines) {
            for (size_t cell = 0; cell < line.size(); ++cell)
                widths[cell] = std::max(widths[cell], terminal::Width(line[cell]));
        }
        for (const Line& line : lines) {
            std::wstring text;
            for (size_t cell = 0; cell < line.size(); ++cell) {
                text += cell == 0 ? indent : L"  ";
                text += terminal::Pad(line[cell], widths[cell], rightAligned[cell]);
            }
            text.erase(text.find_last_not_of(L' ') + 1);
            Write(text + L"\n");
        }
    }

    void WriteEnd(const Failures&) override {}

    bool m_wroteTable = false;
};

// One CSV table for all files: a FILE column, then the columns of every file
// under one header (equally named columns of a file kept apart, and with a
// units row those of other units too); nulls in the --null-text.
class CsvWriter : public ReportWriter {
public:
    explicit CsvWriter(const Arguments& arguments)
        : m_nullText(arguments.Value("null-text").value_or("")),
          m_unitsRow(arguments.Has("units-row")) {}

    void Add(Table table) override { m_tables.push_back(std::move(table)); }

private:
    void WriteEnd(const Failures&) override {
        if (m_tables.empty())
            return;
        // A column is known by its name and its place among the equally named
        // columns of its table.
        std::vector<std::tuple<std::wstring, int, std::wstring, std::wstring>> shared;
        std::vector<std::vector<size_t>> places; // per table, per column
        for (const Table& table : m_tables) {
            std::map<std::wstring, int> seen;
            places.emplace_back();
            for (const Column& c : table.columns) {
                const auto key = m_unitsRow
                                     ? std::tuple(c.name, seen[c.name]++, c.unit, c.declaredUnit)
                                     : std::tuple(c.name, seen[c.name]++, L"", L"");
                auto found = std::find(shared.begin(), shared.end(), key);
                if (found == shared.end())
                    found = shared.insert(shared.end(), key);
                places.back().push_back(1 + static_cast<size_t>(found - shared.begin()));
            }
        }
        std::vector<std::string> header{"FILE"};
        for (const auto& key : shared)
            header.push_back(welldata::ToUtf8(std::get<0>(key)));
        WriteLine(header);
        for (size_t units = 2; m_unitsRow && units <= 3; ++units) {
            header.assign(1, units == 2 ? "(unit)" : "(declared unit)");
            for (const auto& key : shared)
                header.push_back(
                    welldata::ToUtf8(units == 2 ? std::get<2>(key) : std::get<3>(key)));
            WriteLine(header);
        }
        for (size_t t = 0; t < m_tables.size(); ++t) {
            const Table& table = m_tables[t];
            for (size_t row = 0; row < table.RowCount(); ++row) {
                std::vector<std::string> cells(shared.size() + 1);
                cells[0] = welldata::ToUtf8(table.file);
                for (size_t i = 0; i < table.columns.size(); ++i) {
                    const Column& column = table.columns[i];
                    if (row < column.Size())
                        cells[places[t][i]] =
                            column.IsNull(row) ? m_nullText : CellText(column, row);
                }
                WriteLine(cells);
            }
        }
    }

    static std::string Quoted(const std::string& cell) {
        const bool plain = cell.find_first_of(",\"\r\n") == std::string::npos &&
                           (cell.empty() || (cell.front() != ' ' && cell.back() != ' '));
        if (plain)
            return cell;
        std::string quoted = "\"";
        for (char c : cell)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    }

    void WriteLine(const std::vector<std::string>& cells) {
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i)
            line += (i > 0 ? "," : "") + Quoted(cells[i]);
        Write(line + "\n");
    }

    std::string m_nullText;
    bool m_unitsRow;
    std::vector<Table> m_tables;
};

// {"files": [...], "failed": [...]}, written file by file.
class JsonWriter : public ReportWriter {
public:
    void Add(Table table) override {
        Write(m_started ? ",\n" : "{\n  \"files\": [\n");
        m_started = true;
        std::string text = "    {\n";
        text += "      " + Member("file", JsonString(table.file)) + ",\n";
        text += "      " + Member("kind", Utf8JsonString(table.kind)) + ",\n";
        text += "      " + Member("rows", std::to_string(table.RowCount())) + ",\n";
        text += "      " + Member("properties", Properties(table)) + ",\n";
        if (table.report)
            text += "      " + Member("load_report", Report(table)) + ",\n";
        if (!table.header.empty())
            text += "      " + Member("header", Header(table.header)) + ",\n";
        text += "      \"columns\": [";
        for (size_t i = 0; i < table.columns.size(); ++i)
            text += (i > 0 ? ",\n        " : "\n        ") + ColumnJson(table.columns[i]);
        text += table.columns.empty() ? "]\n    }" : "\n      ]\n    }";
        Write(text);
    }

private:
    void WriteEnd(const Failures& failures) override {
        Write(m_started ? "\n  ],\n" : "{\n  \"files\": [],\n");
        std::string text = "  \"failed\": [";
        for (const auto& [file, reason] : failures)
            text += (&file == &failures.front().first ? "\n    " : ",\n    ") +
                    Object({{"file", JsonString(file)}, {"reason", JsonString(reason)}});
        Write(text + (failures.empty() ? "]\n}\n" : "\n  ]\n}\n"));
    }

    static std::string Properties(const Table& table) {
        std::string text;
        for (const Property& property : table.properties)
            text += (text.empty() ? "" : ", ") +
                    Member(property.key, std::visit(PropertyText{true}, property.value));
        return "{" + text + "}";
    }

    static std::string Report(const Table& table) {
        const welldata::LoadReport& report = *table.report;
        const auto lines = [](const welldata::ReportedLines& found) {
            const std::vector<double> numbers(found.lines.begin(), found.lines.end()); // exact
            return Object(
                {{"count", std::to_string(found.count)}, {"lines", PropertyText{true}(numbers)}});
        };
        std::string sentences;
        for (const std::wstring& finding : Findings(table))
            sentences += (sentences.empty() ? "" : ", ") + JsonString(finding);
        return Object({{"text", report.IsText() ? "true" : "false"},
                       {"header_cells", std::to_string(report.headerCells)},
                       {"header_fields", std::to_string(report.headerFields)},
                       {"short_rows", lines(report.shortRows)},
                       {"long_rows", lines(report.longRows)},
                       {"text_cells", lines(report.textCells)},
                       {"findings", "[" + sentences + "]"}});
    }

    static std::string Header(const std::vector<welldata::LasHeaderSection>& header) {
        std::string text;
        for (const welldata::LasHeaderSection& section : header) {
            std::string items;
            for (const welldata::LasHeaderItem& item : section.items)
                items += (items.empty() ? "" : ", ") +
                         Object({{"mnemonic", JsonString(item.mnemonic)},
                                 {"unit", JsonString(item.unit)},
                                 {"value", JsonString(item.value)},
                                 {"description", JsonString(item.description)}});
            text += (text.empty() ? "" : ", ") +
                    Object({{"section", JsonString(section.name)}, {"items", "[" + items + "]"}});
        }
        return "[" + text + "]";
    }

    static std::string ColumnJson(const Column& column) {
        const ColumnSummary summary(column);
        const auto extreme = [&](const std::optional<size_t>& row) {
            return row ? JsonNumber(column.Number(*row), CellText(column, *row))
                       : std::string("null");
        };
        std::string values;
        for (size_t row = 0; row < column.Size(); ++row) {
            values += row > 0 ? ", " : "";
            values += column.IsText() ? Utf8JsonString(CellText(column, row))
                                      : JsonNumber(column.Number(row), CellText(column, row));
        }
        std::string text = Object({{"name", JsonString(column.name)},
                                   {"type", JsonString(column.type)},
                                   {"unit", JsonString(column.unit)},
                                   {"declared_unit", JsonString(column.declaredUnit)},
                                   {"unit_used", JsonString(column.UnitUsed())},
                                   {"display_name", JsonString(column.displayName)},
                                   {"logarithmic", column.logarithmic ? "true" : "false"},
                                   {"samples", std::to_string(summary.samples)},
                                   {"nulls", std::to_string(summary.nulls)},
                                   {"min", extreme(summary.minRow)},
                                   {"max", extreme(summary.maxRow)}});
        text.pop_back(); // the values go on a line of their own
        return text + ",\n         " + Member("values", "[" + values + "]") + "}";
    }

    bool m_started = false;
};

} // namespace

std::unique_ptr<ReportWriter> ReportWriter::Create(const Arguments& arguments) {
    std::unique_ptr<ReportWriter> writer;
    if (arguments.Has("csv"))
        writer = std::make_unique<CsvWriter>(arguments);
    else if (arguments.Has("json"))
        writer = std::make_unique<JsonWriter>();
    else
        writer = std::make_unique<SummaryWriter>();
    writer->m_path = arguments.Value("output").value_or("-");
    writer->m_stream = OpenOutput(writer->m_path);
    return writer;
}

void ReportWriter::Finish(const Failures& failures) {
    WriteEnd(failures);
    FlushOutput(*m_stream, m_path);
}

std::unique_ptr<std::ostream> OpenOutput(const std::string& path) {
    std::unique_ptr<std::ostream> out;
    if (path == "-")
        out = std::make_unique<std::ostream>(std::cout.rdbuf());
    else
        out = std::make_unique<std::ofstream>(path, std::ios::binary);
    if (!*out)
        throw std::runtime_error("cannot write '" + path + "': " + std::strerror(errno));
    return out;
}

void FlushOutput(std::ostream& out, const std::string& path) {
    if (!out.flush())
        throw std::runtime_error("cannot write '" + path + "': " + std::strerror(errno));
}

void ReportWriter::Write(std::wstring_view text) {
    Write(welldata::ToUtf8(text));
}

std::string JsonString(std::wstring_view text) {
    return Utf8JsonString(welldata::ToUtf8(text));
}

std::string JsonNumber(double value, const std::string& text) {
    return !std::isfinite(value) || value == welldata::kNullValue ? "null" : text;
}
