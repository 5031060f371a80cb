// The options and operands of one command line, as the argument parser found
// them. Option names are the long names without the leading dashes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class ParsedArguments {
public:
    void AddOption(const std::string& name, const std::string& value);
    void AddOperand(const std::string& operand) { m_operands.push_back(operand); }

    bool Has(const std::string& name) const { return m_options.count(name) != 0; }
    // The last value given for the option; none when it was not given.
    std::optional<std::string> Value(const std::string& name) const;
    // Every value given for a repeatable option, in order.
    std::vector<std::string> Values(const std::string& name) const;
    const std::vector<std::string>& Operands() const { return m_operands; }

private:
    std::map<std::string, std::vector<std::string>> m_options;
    std::vector<std::string> m_operands;
};
