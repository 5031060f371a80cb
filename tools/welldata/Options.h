// The command line: options and operands in any order, "--name value" or
// "--name=value", one-letter short forms, "--" ending the options and "-" an
// operand (standard input); the options every load command shares; and the
// option values (units, numbers, COL=VALUE pairs, columns by number or name).
#pragma once

#include "welldata/LoadChoices.h"
#include "welldata/Utf8.h"

#if defined(WELLDATA_WITH_PLOT)
#include "PlotOptions.h"
#endif

#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A mistake on the command line: nothing is loaded, the exit status is 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Why one file cannot be loaded, when the command finds out itself (a column
// the file does not have): the command reports it and goes on.
struct LoadProblem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // Declares options, blank-separated, a short form after a "|" ("quiet|q"):
    // `flags` take no value, `values` take one (the last one given counts,
    // unless the command reads them all).
    void Declare(const std::string& flags, const std::string& values);
    // Throws UsageError for an unknown option, a missing value or a value
    // given to a flag. `leadingOnly` stops at the first operand or "--";
    // returns how many arguments were taken.
    size_t Parse(const std::vector<std::string>& arguments, bool leadingOnly = false);

    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const {
        const auto found = m_values.find(name);
        return found == m_values.end() ? std::nullopt : std::optional(found->second.back());
    }
    std::vector<std::string> Values(const std::string& name) const {
        return Has(name) ? m_values.at(name) : std::vector<std::string>();
    }
    const std::vector<std::string>& Operands() const { return m_operands; }

private:
    struct Option {
        std::string name;
        char shortName;
        bool takesValue;
    };
    // The option an argument names; throws UsageError for an unknown one.
    const Option& Recognise(const std::string& argument, std::optional<std::string>& value) const;

    std::vector<Option> m_options;
    std::map<std::string, std::vector<std::string>> m_values;
    std::vector<std::string> m_operands;
};

// The options every load command shares: the code page, the settings file,
// the output and its form, the progress bar and the plot.
namespace common {
// Declares them (--plot `withPlot`), and the command's own `flags` and `values`.
void Declare(Arguments& arguments, bool withPlot, const std::string& flags = "",
             const std::string& values = "");
const char* Help();
const char* PlotHelp();
// Throws UsageError for a wrong value or two output forms at once.
void Check(const Arguments& arguments);
// The code page to read `path` in.
std::string CodePageFor(const Arguments& arguments, const std::wstring& path);
#if defined(WELLDATA_WITH_PLOT)
// The plot's depth range and scale; throws UsageError for a wrong one.
logplot::PlotOptions PlotOptionsOf(const Arguments& arguments);
#endif
} // namespace common

// Makes the library read the settings file at `path`, if one is given;
// throws std::runtime_error when it cannot be read.
void ApplySettingsFile(const std::optional<std::string>& path);

// The length units by name, in the dialogs' order.
inline const char* const kUnitNames = "m, in, ft, dm, cm";
inline std::string UnitName(COMMON::ENUM_COOR_UNIT unit) {
    return welldata::ToUtf8(welldata::CoorUnitName(unit));
}
// "ft, converted to m".
inline std::wstring ConvertedUnit(COMMON::ENUM_COOR_UNIT unit) {
    return welldata::CoorUnitName(unit) + std::wstring(L", converted to m");
}
// The unit an option gives, if any; throws UsageError for an unknown unit.
std::optional<COMMON::ENUM_COOR_UNIT> UnitOption(const Arguments& arguments,
                                                 const std::string& option);
// The units --coord-unit and --depth-unit give (m without them); whether one is given.
template <class Choices> void TakeUnitOptions(const Arguments& arguments, Choices& choices) {
    const auto coordinate = UnitOption(arguments, "coord-unit");
    const auto depth = UnitOption(arguments, "depth-unit");
    choices.convertUnits = coordinate || depth;
    choices.coordinateUnit = coordinate.value_or(COMMON::COOR_UNIT_M);
    choices.depthUnit = depth.value_or(COMMON::COOR_UNIT_M);
}

// The whole text must be a number; throws UsageError naming `option`.
double ParseNumber(const std::string& text, const std::string& option);
template <class Number>
std::vector<Number> ParseNumbers(const std::string& commaSeparated, const std::string& option) {
    std::vector<Number> numbers;
    std::stringstream items(commaSeparated);
    for (std::string item; std::getline(items, item, ',');)
        numbers.push_back(static_cast<Number>(ParseNumber(item, option)));
    return numbers;
}
// Every COL=VALUE an option gives: the text before the first "=" and the
// wide text after it.
std::vector<std::pair<std::string, std::wstring>> PairOptions(const Arguments& arguments,
                                                              const std::string& option);

// "1:NAME 2:MD ..." as the dialogs list a table's columns.
std::string ColumnList(const std::vector<std::wstring>& names);
// The 0-based column `choice` names: a 1-based number or a name in any letter
// case; -1 for "none" or 0. Throws LoadProblem, naming `option`, when the
// table has no such column.
int FindColumn(const std::vector<std::wstring>& names, const std::string& choice,
               const std::string& option);
