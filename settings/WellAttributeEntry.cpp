#include "settings/WellAttributeEntry.h"

#include <climits>
#include <cwctype>

std::optional<WellAttributeEntry> WellAttributeEntry::FromLine(std::wstring_view line) {
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos)
        return std::nullopt;
    WellAttributeEntry entry;
    entry.id = ReadId(line.substr(0, equals));
    entry.aliases = SplitAliases(line.substr(equals + 1));
    return entry;
}

std::uint16_t WellAttributeEntry::ReadId(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    // Out-of-range numbers saturate at the int limits, as the runtime's read does.
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<std::uint16_t>(static_cast<int>(value));
}

std::vector<std::wstring> WellAttributeEntry::SplitAliases(std::wstring_view text) {
    std::vector<std::wstring> aliases;
    size_t start = 0;
    for (size_t space = text.find(L' '); space != std::wstring_view::npos;
         space = text.find(L' ', start)) {
        aliases.emplace_back(text.substr(start, space - start));
        start = space + 1;
    }
    if (start < text.size())
        aliases.emplace_back(text.substr(start));
    return aliases;
}
