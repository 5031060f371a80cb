// A cell is a number only when its whole text converts to a double: an optional
// sign, digits, an optional point and fraction, an optional exponent ("nan" and
// "inf" included). Blanks or any other character make it text.
#pragma once

#include <string_view>

namespace welldata {

bool ParseStrictDouble(std::wstring_view text, double& value);
bool IsStrictNumber(std::wstring_view text);

} // namespace welldata
