#include "PlotOptions.h"

#include <cmath>
#include <cstdlib>

namespace logplot {

namespace {

// The whole text is one finite number.
bool ParseNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())))
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

} // namespace

bool ParseDepthRange(const std::string& text, double& top, double& base) {
    // The separator is the first colon after the first character, so that a
    // negative top ("-20:100") reads too.
    const size_t colon = text.find(':', 1);
    double first = 0.0;
    double second = 0.0;
    if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), first) ||
        !ParseNumber(text.substr(colon + 1), second) || !(first < second))
        return false;
    top = first;
    base = second;
    return true;
}

bool ParseDepthScale(const std::string& text, double& scale) {
    const std::string ratio = text.rfind("1:", 0) == 0 ? text.substr(2) : text;
    double value = 0.0;
    if (!ParseNumber(ratio, value) || !(value > 0.0))
        return false;
    scale = value;
    return true;
}

} // namespace logplot
