#include "NumberOption.h"

#include "UsageError.h"
#include "reader/StrictNumber.h"
#include "welldata/Utf8.h"

#include <sstream>

float NumberOption::ParseFloat(const std::string& text, const std::string& option) {
    double value = 0.0;
    if (!welldata::ParseStrictDouble(welldata::FromUtf8(text), value))
        throw UsageError("--" + option + " " + text + ": not a number");
    return static_cast<float>(value);
}

std::vector<float> NumberOption::ParseFloatList(const std::string& text,
                                                const std::string& option) {
    std::vector<float> values;
    std::stringstream items(text);
    std::string item;
    while (std::getline(items, item, ','))
        values.push_back(ParseFloat(item, option));
    return values;
}
