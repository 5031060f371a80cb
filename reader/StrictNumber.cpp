#include "reader/StrictNumber.h"

#include <boost/lexical_cast.hpp>

namespace welldata {

bool ParseStrictDouble(std::wstring_view text, double& value) {
    double converted = 0.0;
    if (!boost::conversion::try_lexical_convert(text.data(), text.size(), converted))
        return false;
    value = converted;
    return true;
}

bool IsStrictNumber(std::wstring_view text) {
    double ignored = 0.0;
    return ParseStrictDouble(text, ignored);
}

} // namespace welldata
