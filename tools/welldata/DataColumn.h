// One column of a loaded result as the command reports it: a curve, a path
// quantity, a well head field or a rock core column, with its values kept in
// the type the library stores them in (so they print without loss).
#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

class DataColumn {
public:
    using Values = std::variant<std::vector<float>, std::vector<double>, std::vector<std::wstring>>;

    // The library's value for "no data".
    static constexpr double kNullValue = -9999.0;

    DataColumn(std::wstring name, Values values)
        : name(std::move(name)), m_values(std::move(values)) {}

    std::wstring name;
    std::wstring type;
    std::wstring unit;
    std::wstring displayName;
    bool logarithmic = false;

    size_t Size() const;
    bool IsText() const { return std::holds_alternative<std::vector<std::wstring>>(m_values); }
    // A number equal to the null value or not a number; an empty text.
    bool IsNull(size_t row) const;
    // The value as a double; 0 for a text column.
    double Number(size_t row) const;
    // The value as UTF-8 text: numbers in their shortest exact form.
    std::string Text(size_t row) const;

private:
    Values m_values;
};
