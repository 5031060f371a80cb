// Pieces of JSON text: strings with their escapes, and numbers that JSON can
// hold (the null value, NaN and infinities become null).
#pragma once

#include <string>
#include <string_view>

class JsonText {
public:
    static std::string String(std::wstring_view text);
    static std::string String(std::string_view utf8);
    // `text` is the number in its shortest form.
    static std::string Number(double value, const std::string& text);
    static std::string Bool(bool value) { return value ? "true" : "false"; }
};
