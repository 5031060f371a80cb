// One line of a settings section: an attribute id and the names that stand for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct WellAttributeEntry {
    std::uint16_t id = 0;
    // The first alias is the canonical name.
    std::vector<std::wstring> aliases;

    // Reads "number=alias alias ...": the number as a C runtime integer read
    // does it (blanks, sign, digits up to the first non-digit, 0 for text),
    // kept in 16 bits; the aliases split at single spaces, so two spaces give an
    // empty alias, and a piece after the last space only when it is not empty.
    // A line without "=" gives nothing.
    static std::optional<WellAttributeEntry> FromLine(std::wstring_view line);

    static std::uint16_t ReadId(std::wstring_view text);
    static std::vector<std::wstring> SplitAliases(std::wstring_view text);
};
