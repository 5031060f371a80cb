// A table property's value as the summary shows it.
#pragma once

#include "TableProperty.h"

#include <string>

class PropertyText {
public:
    static std::string Format(const TableProperty::Value& value);
    // "null_values" becomes "null values".
    static std::string Label(const std::string& key);
};
