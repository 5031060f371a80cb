// What the command reports of one loaded file: the library's record columns
// (a curve, a path quantity, a well head field, a rock core column) with
// values in the type the library stores them in, so that they print without
// loss, and a few properties of the load.
#pragma once

#include "Options.h"
#include "welldata/LasHeader.h"
#include "welldata/RecordColumns.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

using Column = welldata::RecordColumn;
using welldata::CellText;
using welldata::NumberText;

struct Property {
    using Value = std::variant<std::wstring, double, bool, std::vector<float>>;

    std::string key; // lower case with underscores; the summary shows blanks
    Value value;
};

struct Table {
    Table(std::wstring file, std::string kind, std::string columnNoun, std::string rowNoun,
          std::vector<Column> columns)
        : file(std::move(file)), kind(std::move(kind)), columnNoun(std::move(columnNoun)),
          rowNoun(std::move(rowNoun)), columns(std::move(columns)) {}

    std::wstring file;      // as the user named it
    std::string kind;       // "LAS well log"
    std::string columnNoun; // "curves", "columns"
    std::string rowNoun;    // "samples", "points", "wells", "intervals"
    std::vector<Property> properties;
    std::vector<Column> columns;
    std::vector<welldata::LasHeaderSection> header; // a LAS file's, when asked for
    std::optional<welldata::LoadReport> report;     // what the load did to the file's text

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
    // The form --csv or --json chooses, a summary without them, writing to
    // --output (OpenOutput).
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
