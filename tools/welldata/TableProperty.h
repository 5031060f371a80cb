// A fact about a loaded result besides its columns (the null values used, the
// path layout, the units converted), shown in the summary and in JSON.
#pragma once

#include <string>
#include <variant>
#include <vector>

struct TableProperty {
    using Value = std::variant<std::wstring, double, bool, std::vector<float>>;

    std::string key; // lower case with underscores; the summary shows blanks
    Value value;
};
