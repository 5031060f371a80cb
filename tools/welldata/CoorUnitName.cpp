#include "CoorUnitName.h"

#include "UsageError.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kUnitNames[] = {"m", "in", "ft", "dm", "cm"};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::optional<COMMON::ENUM_COOR_UNIT> CoorUnitName::Find(std::string_view name) {
    for (int unit = COMMON::COOR_UNIT_M; unit <= COMMON::COOR_UNIT_CM; ++unit) {
        if (EqualsIgnoringCase(name, kUnitNames[unit]))
            return static_cast<COMMON::ENUM_COOR_UNIT>(unit);
    }
    return std::nullopt;
}

COMMON::ENUM_COOR_UNIT CoorUnitName::Parse(const std::string& name, const std::string& option) {
    if (const auto unit = Find(name))
        return *unit;
    throw UsageError("unknown unit '" + name + "' for --" + option + " (use " + Choices() + ")");
}

const char* CoorUnitName::Text(COMMON::ENUM_COOR_UNIT unit) {
    const int index = static_cast<int>(unit);
    return index >= 0 && index <= COMMON::COOR_UNIT_CM ? kUnitNames[index] : kUnitNames[0];
}
