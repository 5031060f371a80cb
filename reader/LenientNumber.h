// Reads the number a text starts with and ignores whatever follows it, the way
// header values such as "-999.25" or "-999.25 (no data)" are meant.
#pragma once

#include <string_view>

namespace welldata {

// Leading white space, an optional sign, digits with an optional fraction and
// an optional exponent; 0 when the text does not start with a number, and an
// infinity of the right sign when the number is too large for a double.
double LenientToDouble(std::wstring_view text);

} // namespace welldata
