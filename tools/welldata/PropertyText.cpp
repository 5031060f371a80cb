#include "PropertyText.h"

#include "NumberText.h"
#include "welldata/Utf8.h"

#include <algorithm>

namespace {

struct Formatter {
    std::string operator()(const std::wstring& text) const { return welldata::ToUtf8(text); }
    std::string operator()(double number) const { return NumberText::Format(number); }
    std::string operator()(bool flag) const { return flag ? "yes" : "no"; }
    std::string operator()(const std::vector<float>& numbers) const {
        std::string text;
        for (float number : numbers)
            text += (text.empty() ? "" : ", ") + NumberText::Format(number);
        return text.empty() ? "none" : text;
    }
};

} // namespace

std::string PropertyText::Format(const TableProperty::Value& value) {
    return std::visit(Formatter(), value);
}

std::string PropertyText::Label(const std::string& key) {
    std::string label = key;
    std::replace(label.begin(), label.end(), '_', ' ');
    return label;
}
