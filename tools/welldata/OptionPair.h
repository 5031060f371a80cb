// Option values of the form COL=VALUE (--rename, --type, --unit).
#pragma once

#include <string>
#include <utility>

class OptionPair {
public:
    // The text before the first "=" and the wide text after it; throws
    // UsageError naming `option` when there is no "=" or nothing before it.
    static std::pair<std::string, std::wstring> Split(const std::string& value,
                                                      const std::string& option);
};
