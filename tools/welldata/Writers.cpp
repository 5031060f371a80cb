#include "Writers.h"

#include "Terminal.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <stdexcept>

namespace {

std::string Utf8JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string Member(const std::string& name, const std::string& json) {
    return Utf8JsonString(name) + ": " + json;
}

std::string Bool(bool value) {
    return value ? "true" : "false";
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
    std::string operator()(bool flag) const { return json ? Bool(flag) : flag ? "yes" : "no"; }
    std::string operator()(const std::vector<float>& numbers) const {
        std::string text;
        for (float number : numbers)
            text += (text.empty() ? "" : ", ") + NumberText(number);
        return json ? "[" + text + "]" : text.empty() ? "none" : text;
    }
};

// A readable table per file: heading, properties, then per column its unit,
// samples, nulls, minimum and maximum.
class SummaryWriter : public ReportWriter {
public:
    explicit SummaryWriter(OutputStream& out) : m_out(out) {}

    void Add(Table table) override {
        if (m_wroteTable)
            m_out.Write("\n");
        m_wroteTable = true;
        m_out.Write(table.file);
        m_out.Write(": " + table.kind + ", " + std::to_string(table.columns.size()) + " " +
                    table.columnNoun + ", " + std::to_string(table.RowCount()) + " " +
                    table.rowNoun + "\n");
        for (const Property& property : table.properties) {
            std::string label = property.key;
            std::replace(label.begin(), label.end(), '_', ' ');
            m_out.Write("  " + label + ": " + std::visit(PropertyText{false}, property.value) +
                        "\n");
        }
        WriteHeader(table.header);
        WriteColumns(table);
    }
    void AddFailure(const std::wstring&, const std::wstring&) override {}
    void Finish() override {}

private:
    using Line = std::vector<std::wstring>;

    void WriteHeader(const std::vector<welldata::LasHeaderSection>& header) {
        for (const welldata::LasHeaderSection& section : header) {
            m_out.Write(L"\n  " + section.name + L"\n");
            std::vector<Line> lines;
            for (const welldata::LasHeaderItem& item : section.items)
                lines.push_back({item.mnemonic, item.unit, item.value, L": " + item.description});
            WriteAligned(lines, {false, false, false, false}, L"    ");
        }
    }

    void WriteColumns(const Table& table) {
        if (table.columns.empty())
            return;
        // The type column only says something when a type differs from its name.
        const bool types = std::any_of(table.columns.begin(), table.columns.end(),
                                       [](auto& c) { return !c.type.empty() && c.type != c.name; });
        Line heading = {L"Name"};
        if (types)
            heading.push_back(L"Type");
        heading.insert(heading.end(), {L"Unit", L"Samples", L"Nulls", L"Min", L"Max"});
        std::vector<Line> lines{heading};
        for (const Column& column : table.columns) {
            const ColumnSummary summary(column);
            const auto extreme = [&](const std::optional<size_t>& row) {
                return row ? welldata::FromUtf8(column.Text(*row)) : std::wstring();
            };
            Line line = {column.name};
            if (types)
                line.push_back(column.type);
            line.insert(line.end(), {column.unit, std::to_wstring(summary.samples),
                                     std::to_wstring(summary.nulls), extreme(summary.minRow),
                                     extreme(summary.maxRow)});
            lines.push_back(line);
        }
        std::vector<bool> rightAligned(heading.size(), true);
        std::fill(rightAligned.begin(), rightAligned.begin() + (types ? 3 : 2), false);
        m_out.Write("\n");
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
                text += rightAligned[cell] ? terminal::PadLeft(line[cell], widths[cell])
                                           : terminal::PadRight(line[cell], widths[cell]);
            }
            text.erase(text.find_last_not_of(L' ') + 1);
            m_out.Write(text + L"\n");
        }
    }

    OutputStream& m_out;
    bool m_wroteTable = false;
};

// One CSV table for all files: the columns of every file under one header
// (equally named columns of a file kept apart), a FILE column first when
// there are several tables.
class CsvWriter : public ReportWriter {
public:
    explicit CsvWriter(OutputStream& out) : m_out(out) {}

    void Add(Table table) override { m_tables.push_back(std::move(table)); }
    void AddFailure(const std::wstring&, const std::wstring&) override {}

    void Finish() override {
        if (m_tables.empty())
            return;
        const bool withFile = m_tables.size() > 1;
        // A column is known by its name and its place among the equally named.
        std::vector<std::pair<std::wstring, int>> shared;
        for (const Table& table : m_tables) {
            for (const auto& key : Keys(table)) {
                if (std::find(shared.begin(), shared.end(), key) == shared.end())
                    shared.push_back(key);
            }
        }
        std::vector<std::string> header;
        if (withFile)
            header.push_back("FILE");
        for (const auto& [name, occurrence] : shared)
            header.push_back(welldata::ToUtf8(name));
        WriteLine(header);
        for (const Table& table : m_tables) {
            const auto keys = Keys(table);
            const size_t offset = withFile ? 1 : 0;
            for (size_t row = 0; row < table.RowCount(); ++row) {
                std::vector<std::string> cells(shared.size() + offset);
                if (withFile)
                    cells[0] = welldata::ToUtf8(table.file);
                for (size_t i = 0; i < table.columns.size(); ++i) {
                    const size_t place =
                        std::find(shared.begin(), shared.end(), keys[i]) - shared.begin();
                    if (row < table.columns[i].Size())
                        cells[offset + place] = table.columns[i].Text(row);
                }
                WriteLine(cells);
            }
        }
        m_tables.clear();
    }

private:
    static std::vector<std::pair<std::wstring, int>> Keys(const Table& table) {
        std::map<std::wstring, int> seen;
        std::vector<std::pair<std::wstring, int>> keys;
        for (const Column& column : table.columns)
            keys.emplace_back(column.name, seen[column.name]++);
        return keys;
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
        m_out.Write(line + "\n");
    }

    OutputStream& m_out;
    std::vector<Table> m_tables;
};

// {"files": [...], "failed": [...]}, written file by file.
class JsonWriter : public ReportWriter {
public:
    explicit JsonWriter(OutputStream& out) : m_out(out) {}

    void Add(Table table) override {
        m_out.Write(m_started ? ",\n" : "{\n  \"files\": [\n");
        m_started = true;
        std::string text = "    {\n";
        text += "      " + Member("file", JsonString(table.file)) + ",\n";
        text += "      " + Member("kind", Utf8JsonString(table.kind)) + ",\n";
        text += "      " + Member("rows", std::to_string(table.RowCount())) + ",\n";
        text += "      " + Member("properties", Properties(table)) + ",\n";
        if (!table.header.empty())
            text += "      " + Member("header", Header(table.header)) + ",\n";
        text += "      \"columns\": [";
        for (size_t i = 0; i < table.columns.size(); ++i)
            text += (i > 0 ? ",\n        " : "\n        ") + ColumnJson(table.columns[i]);
        text += table.columns.empty() ? "]\n    }" : "\n      ]\n    }";
        m_out.Write(text);
    }

    void AddFailure(const std::wstring& file, const std::wstring& reason) override {
        m_failures.push_back("{" + Member("file", JsonString(file)) + ", " +
                             Member("reason", JsonString(reason)) + "}");
    }

    void Finish() override {
        m_out.Write(m_started ? "\n  ],\n" : "{\n  \"files\": [],\n");
        std::string text = "  \"failed\": [";
        for (size_t i = 0; i < m_failures.size(); ++i)
            text += (i > 0 ? ",\n    " : "\n    ") + m_failures[i];
        m_out.Write(text + (m_failures.empty() ? "]\n}\n" : "\n  ]\n}\n"));
    }

private:
    static std::string Properties(const Table& table) {
        std::string text;
        for (const Property& property : table.properties)
            text += (text.empty() ? "" : ", ") +
                    Member(property.key, std::visit(PropertyText{true}, property.value));
        return "{" + text + "}";
    }

    static std::string Header(const std::vector<welldata::LasHeaderSection>& header) {
        std::string text;
        for (const welldata::LasHeaderSection& section : header) {
            std::string items;
            for (const welldata::LasHeaderItem& item : section.items)
                items += (items.empty() ? "" : ", ") + std::string("{") +
                         Member("mnemonic", JsonString(item.mnemonic)) + ", " +
                         Member("unit", JsonString(item.unit)) + ", " +
                         Member("value", JsonString(item.value)) + ", " +
                         Member("description", JsonString(item.description)) + "}";
            text += (text.empty() ? "" : ", ") + std::string("{") +
                    Member("section", JsonString(section.name)) + ", " +
                    Member("items", "[" + items + "]") + "}";
        }
        return "[" + text + "]";
    }

    static std::string ColumnJson(const Column& column) {
        const ColumnSummary summary(column);
        const auto extreme = [&](const std::optional<size_t>& row) {
            return row ? JsonNumber(column.Number(*row), column.Text(*row)) : std::string("null");
        };
        std::string values;
        for (size_t row = 0; row < column.Size(); ++row) {
            values += row > 0 ? ", " : "";
            values += column.IsText() ? Utf8JsonString(column.Text(row))
                                      : JsonNumber(column.Number(row), column.Text(row));
        }
        return "{" + Member("name", JsonString(column.name)) + ", " +
               Member("type", JsonString(column.type)) + ", " +
               Member("unit", JsonString(column.unit)) + ", " +
               Member("display_name", JsonString(column.displayName)) + ", " +
               Member("logarithmic", Bool(column.logarithmic)) + ", " +
               Member("samples", std::to_string(summary.samples)) + ", " +
               Member("nulls", std::to_string(summary.nulls)) + ", " +
               Member("min", extreme(summary.minRow)) + ", " +
               Member("max", extreme(summary.maxRow)) + ",\n         " +
               Member("values", "[" + values + "]") + "}";
    }

    OutputStream& m_out;
    bool m_started = false;
    std::vector<std::string> m_failures;
};

} // namespace

OutputStream::OutputStream(const std::string& path) : m_path(path) {
    if (path == "-") {
        m_file = stdout;
        return;
    }
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr)
        throw std::runtime_error("cannot write '" + path + "': " + std::strerror(errno));
    m_ownsFile = true;
}

OutputStream::~OutputStream() {
    if (m_ownsFile && m_file != nullptr)
        std::fclose(m_file);
}

void OutputStream::Write(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), m_file);
}

void OutputStream::Write(std::wstring_view text) {
    Write(welldata::ToUtf8(text));
}

void OutputStream::Close() {
    if (m_file == nullptr)
        return;
    const bool failed = std::fflush(m_file) != 0 || std::ferror(m_file) != 0;
    const int error = errno;
    if (m_ownsFile)
        std::fclose(m_file);
    m_file = nullptr;
    if (failed)
        throw std::runtime_error("cannot write '" + m_path + "': " + std::strerror(error));
}

std::unique_ptr<ReportWriter> ReportWriter::Create(OutputFormat format, OutputStream& out) {
    switch (format) {
    case OutputFormat::Csv:
        return std::make_unique<CsvWriter>(out);
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>(out);
    case OutputFormat::Summary:
        break;
    }
    return std::make_unique<SummaryWriter>(out);
}

std::string JsonString(std::wstring_view text) {
    return Utf8JsonString(welldata::ToUtf8(text));
}

std::string JsonNumber(double value, const std::string& text) {
    return !std::isfinite(value) || value == welldata::kNullValue ? "null" : text;
}
