#include "ParsedArguments.h"

void ParsedArguments::AddOption(const std::string& name, const std::string& value) {
    m_options[name].push_back(value);
}

std::optional<std::string> ParsedArguments::Value(const std::string& name) const {
    const auto found = m_options.find(name);
    if (found == m_options.end() || found->second.empty())
        return std::nullopt;
    return found->second.back();
}

std::vector<std::string> ParsedArguments::Values(const std::string& name) const {
    const auto found = m_options.find(name);
    return found == m_options.end() ? std::vector<std::string>() : found->second;
}
