// Numbers given as option values.
#pragma once

#include <string>
#include <vector>

class NumberOption {
public:
    // The whole text must be a number; throws UsageError naming `option`.
    static float ParseFloat(const std::string& text, const std::string& option);
    // A comma-separated list of numbers.
    static std::vector<float> ParseFloatList(const std::string& text, const std::string& option);
};
