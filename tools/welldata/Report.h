// What the command reports of one loaded file: a table of named columns (a
// curve, a path quantity, a well head field, a rock core column) with values
// in the type the library stores them in, so that they print without loss,
// and a few properties of the load. Built from the library's records.
#pragma once

#include "welldata/Common.h"
#include "welldata/LasHeader.h"
#include "welldata/LoadChoices.h"

#include <list>
#include <optional>
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

    size_t Size() const;
    bool IsText() const { return std::holds_alternative<std::vector<std::wstring>>(values); }
    // The null value, not a number, or an empty text.
    bool IsNull(size_t row) const;
    // The value as a double; 0 in a text column.
    double Number(size_t row) const;
    // The value as UTF-8 text: numbers in the shortest text that reads back the same.
    std::string Text(size_t row) const;
};

// How many values a column holds, how many are null, and the rows of the
// smallest and largest of the others.
struct ColumnSummary {
    explicit ColumnSummary(const Column& column);

    size_t samples = 0;
    size_t nulls = 0;
    std::optional<size_t> minRow;
    std::optional<size_t> maxRow;
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

    size_t RowCount() const;
    void AddProperty(std::string key, Property::Value value);
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
// The shortest text that reads back as the same number.
std::string NumberText(float value);
std::string NumberText(double value);
