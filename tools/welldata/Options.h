// The command line: options and operands in any order, "--name value" or
// "--name=value", one-letter short forms, "--" ending the options and "-" an
// operand (standard input); the options every load command shares; and the
// option values (units, numbers, COL=VALUE pairs, columns by number or name).
#pragma once

#include "welldata/Common.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A mistake on the command line: the command stops before loading anything,
// with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Why one file cannot be loaded, when the command finds out itself (a column
// the file does not have): the command reports it and goes on.
class LoadProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    void AddFlag(const std::string& name, char shortName = 0);
    // An option with a value; given twice, the last value counts unless the
    // command reads all of them.
    void AddValue(const std::string& name, char shortName = 0);

    // Throws UsageError for an unknown option, a missing value or a value
    // given to a flag.
    void Parse(const std::vector<std::string>& arguments);
    // How many leading arguments are options declared here (with their values).
    size_t CountLeadingOptions(const std::vector<std::string>& arguments) const;

    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;
    const std::vector<std::string>& Operands() const { return m_operands; }

private:
    struct Option {
        std::string name;
        char shortName;
        bool takesValue;
    };
    // The option an argument names; throws UsageError for an unknown one.
    const Option& Recognise(const std::string& argument,
                            std::optional<std::string>& inlineValue) const;

    std::vector<Option> m_options;
    std::map<std::string, std::vector<std::string>> m_values;
    std::vector<std::string> m_operands;
};

enum class OutputFormat { Summary, Csv, Json };

// The options every load command shares.
struct CommonOptions {
    static void Declare(Arguments& arguments, bool withPlot);
    static const char* Help();
    static const char* PlotHelp();
    // Throws UsageError for a wrong value or two output forms at once.
    explicit CommonOptions(const Arguments& arguments);

    // The code page to read `path` in.
    std::string CodePageFor(const std::wstring& path) const;

    std::string encoding = "gb18030"; // gb18030, utf-8 or auto
    std::optional<std::string> settingsPath;
    OutputFormat format = OutputFormat::Summary;
    std::string outputPath = "-";
    bool quiet = false;
    bool forceProgress = false;
    std::string plotPath;
};

// Makes the library read the settings file at `path`, if any; throws
// std::runtime_error when it cannot be read.
void ApplySettingsFile(const std::optional<std::string>& path);

// The length units by name, in the dialogs' order: m, in, ft, dm, cm.
std::optional<COMMON::ENUM_COOR_UNIT> FindUnit(const std::string& name);
// Throws UsageError naming `option` for an unknown unit.
COMMON::ENUM_COOR_UNIT ParseUnit(const std::string& name, const std::string& option);
std::optional<COMMON::ENUM_COOR_UNIT> UnitOption(const Arguments& arguments,
                                                 const std::string& option);
const char* UnitName(COMMON::ENUM_COOR_UNIT unit);
inline const char* const kUnitNames = "m, in, ft, dm, cm";

// The whole text must be a number; throws UsageError naming `option`.
float ParseNumber(const std::string& text, const std::string& option);
std::vector<float> ParseNumbers(const std::string& commaSeparated, const std::string& option);
// COL=VALUE: the text before the first "=" and the wide text after it.
std::pair<std::string, std::wstring> ParsePair(const std::string& text, const std::string& option);

// "1:NAME 2:MD ..." as the dialogs list a table's columns.
std::string ColumnList(const std::vector<std::wstring>& names);
// The 0-based column `choice` names: a 1-based number or a name in any letter
// case; -1 for "none" or 0. Throws LoadProblem, naming `option`, when the
// table has no such column.
int FindColumn(const std::vector<std::wstring>& names, const std::string& choice,
               const std::string& option);
