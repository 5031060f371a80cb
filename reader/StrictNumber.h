// A cell is a number only when its whole text converts to a double: an optional
// sign, digits, an optional point and fraction, an optional exponent ("nan" and
// "inf" included). Blanks or any other character make it text.
#pragma once

#include <string>
#include <string_view>

namespace welldata {

bool ParseStrictDouble(std::wstring_view text, double& value);
bool IsStrictNumber(std::wstring_view text);
// The same for a cell as the reader keeps it (reader/CellText.h): the answer
// and the bits its wide text gives.
bool ParseStrictCell(std::string_view cell, double& value);

// The rules themselves: boost::lexical_cast's conversion of a wide string to a
// double. ParseStrictDouble gives the same answer and the same bits for every
// text; plain decimal cells just take a shorter road.
bool ParseStrictDoubleByLexicalCast(std::wstring_view text, double& value);

} // namespace welldata
