// Parses a command line the way Unix tools do: options and operands in any
// order, "--name value" or "--name=value", one-letter short forms, "--" ending
// the options, and "-" taken as an operand (standard input).
#pragma once

#include "ParsedArguments.h"

#include <string>
#include <vector>

class ArgumentParser {
public:
    // An option without a value.
    void AddFlag(const std::string& name, char shortName = 0);
    // An option that takes a value; given twice, the last value counts unless
    // the caller reads every value of it.
    void AddValue(const std::string& name, char shortName = 0);

    // Throws UsageError for an unknown option, a missing value, or a value
    // given to a flag.
    ParsedArguments Parse(const std::vector<std::string>& arguments) const;

    // How many leading arguments are options this parser knows (with their
    // values); the first argument after them is not an option of this parser.
    size_t CountLeadingOptions(const std::vector<std::string>& arguments) const;

private:
    struct Option {
        std::string name;
        char shortName;
        bool takesValue;
    };

    const Option* FindLong(const std::string& name) const;
    const Option* FindShort(char shortName) const;
    // The option an argument names, or null when it is not an option at all.
    const Option* Recognise(const std::string& argument, std::string& inlineValue,
                            bool& hasInlineValue) const;

    std::vector<Option> m_options;
};
