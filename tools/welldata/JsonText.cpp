#include "JsonText.h"

#include "DataColumn.h"
#include "welldata/Utf8.h"

#include <cmath>
#include <cstdio>

std::string JsonText::String(std::wstring_view text) {
    return String(welldata::ToUtf8(text));
}

std::string JsonText::String(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonText::Number(double value, const std::string& text) {
    if (!std::isfinite(value) || value == DataColumn::kNullValue)
        return "null";
    return text;
}
