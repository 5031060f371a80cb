// What the command reports of one loaded file: a table of named columns (a
// curve, a path quantity, a well head field, a rock core column) with values
// in the type the library stores them in, so that they print without loss,
// and a few properties of the load. Built from the library's records.
#pragma once

#include "Options.h"
#include "welldata/Common.h"
#include "welldata/LasHeader.h"
#include "welldata/LoadChoices.h"

#include <algorithm>
#include <charconv>
#include <list>
#include <memory>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

struct Column {
    using Values = std::variant<std::vector<float>, std::vector<double>, std::vector<std::wstring>>;

    Column(std::wstring name, Values values) : name(std::move(name)), values(std::move(values)) {}

    std::wstring name;
    Values values;
    std::wstring type;
    std::wstring unit;
    std::wstring displayName;
    bool logarithmic = false;

    size_t Size() const {
        return std::visit([](const auto& list) { return list.size(); }, values);
    }
    bool IsText() const { return std::holds_alternative<std::vector<std::wstring>>(values); }
    // The null value, not a number, or an empty text.
    bool IsNull(size_t row) const;
    // The value as a double; 0 in a text column.
    double Number(size_t row) const;
    // The value as UTF-8 text: numbers in the shortest text that reads back the same.
    std::string Text(size_t row) const;
};

struct Property {
    using Value = std::variant<std::wstring, double, bool, std::vector<float>>;

    std::string key; // lower case with underscores; the summary shows blanks
    Value value;
};

struct Table {
    Table(std::wstring file, std::string kind, std::string columnNoun, std::string rowNoun)
        : file(std::move(file)), kind(std::move(kind)), columnNoun(std::move(columnNoun)),
          rowNoun(std::move(rowNoun)) {}

    std::wstring file;      // as the user named it
    std::string kind;       // "LAS well log"
    std::string columnNoun; // "curves", "columns"
    std::string rowNoun;    // "samples", "points", "wells", "intervals"
    std::vector<Property> properties;
    std::vector<Column> columns;
    std::vector<welldata::LasHeaderSection> header; // a LAS file's, when asked for

    size_t RowCount() const {
        size_t rows = 0;
        for (const Column& column : columns)
            rows = std::max(rows, column.Size());
        return rows;
    }
    void AddProperty(std::string key, Property::Value value) {
        properties.push_back({std::move(key), std::move(value)});
    }
};

Table WellLogTable(const std::wstring& file, const std::string& kind,
                   const COMMON::STRUCT_WELL_CURVE& record);
// The points in the layout of the record's data type; MD only with `hasMd`.
Table WellPathTable(const std::wstring& file, const std::string& kind,
                    const COMMON::STRUCT_WELL_PATH& record, bool hasMd);
// The optional fields only when used.
Table WellHeadsTable(const std::wstring& file, const std::list<COMMON::STRUCT_WELL_HEAD>& heads,
                     const welldata::WellHeadChoices& used);
Table CoreAnalysisTable(const std::wstring& file,
                        const std::list<COMMON::STRUCT_CURVE_ITEM>& columns);
Table CoreDescriptionTable(const std::wstring& file,
                           const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record);

// "MD, INCL, AZIM" and so on, for a path data type.
std::wstring PathLayoutName(int dataType);

// The shortest text that reads back as the same float or double.
template <class Number> std::string NumberText(Number value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Where and in which form the results go: standard output ("-") or a file, as
// UTF-8; a readable summary per file, CSV or JSON (Writers.cpp).
using Failures = std::vector<std::pair<std::wstring, std::wstring>>; // file, reason

// Standard output for "-", else the file; throws std::runtime_error when it
// cannot be created.
std::unique_ptr<std::ostream> OpenOutput(const std::string& path);
// Throws std::runtime_error naming `path` when anything could not be written.
void FlushOutput(std::ostream& out, const std::string& path);

class ReportWriter {
public:
    // Opens `path` ("-" is standard output); throws std::runtime_error when it
    // cannot be created.
    // The form --csv or --json chooses, a summary without them.
    static std::unique_ptr<ReportWriter> Create(const Arguments& arguments);
    virtual ~ReportWriter() = default;

    // One table loaded from a file (a file may give more than one).
    virtual void Add(Table table) = 0;
    // Writes what is still held and the files that could not be loaded, and
    // flushes; throws std::runtime_error when anything could not be written.
    void Finish(const Failures& failures);

protected:
    virtual void WriteEnd(const Failures& failures) = 0;
    void Write(std::string_view utf8) { *m_stream << utf8; }
    void Write(std::wstring_view text);

private:
    std::unique_ptr<std::ostream> m_stream;
    std::string m_path;
};

// JSON text pieces: a string with its escapes, and a number JSON can hold
// (the null value, NaN and infinities become null).
std::string JsonString(std::wstring_view text);
std::string JsonNumber(double value, const std::string& text);
