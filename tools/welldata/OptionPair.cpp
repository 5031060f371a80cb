#include "OptionPair.h"

#include "UsageError.h"
#include "welldata/Utf8.h"

std::pair<std::string, std::wstring> OptionPair::Split(const std::string& value,
                                                       const std::string& option) {
    const size_t equals = value.find('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("--" + option + " " + value + ": expected COLUMN=VALUE");
    return {value.substr(0, equals), welldata::FromUtf8(value.substr(equals + 1))};
}
