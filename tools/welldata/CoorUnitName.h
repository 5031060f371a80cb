// The names of the length units on the command line, in the order of the
// dialogs' unit lists: m, in, ft, dm, cm (the ENUM_COOR_UNIT codes 0 to 4).
#pragma once

#include "welldata/Common.h"

#include <optional>
#include <string>
#include <string_view>

class CoorUnitName {
public:
    // The unit a name stands for (any letter case); none for another text.
    static std::optional<COMMON::ENUM_COOR_UNIT> Find(std::string_view name);
    // The same, throwing UsageError that names `option` for another text.
    static COMMON::ENUM_COOR_UNIT Parse(const std::string& name, const std::string& option);
    static const char* Text(COMMON::ENUM_COOR_UNIT unit);
    // "m, in, ft, dm, cm", for help and error texts.
    static const char* Choices() { return "m, in, ft, dm, cm"; }
};
