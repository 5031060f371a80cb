// The header sections of a LAS file ("~V", "~W", "~C", "~P" ...) as a load by
// name leaves them for the host: each line's mnemonic, unit, value and
// description, in file order.
#pragma once

#include <string>
#include <vector>

namespace welldata {

struct LasHeaderItem {
    std::wstring mnemonic;
    std::wstring unit;
    std::wstring value;
    std::wstring description;
};

struct LasHeaderSection {
    std::wstring name; // the "~" and the letter after it, as written ("~W")
    std::vector<LasHeaderItem> items;
};

} // namespace welldata
