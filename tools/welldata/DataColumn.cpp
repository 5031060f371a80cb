#include "DataColumn.h"

#include "NumberText.h"
#include "welldata/Utf8.h"

#include <cmath>

size_t DataColumn::Size() const {
    return std::visit([](const auto& values) { return values.size(); }, m_values);
}

bool DataColumn::IsNull(size_t row) const {
    if (const auto* texts = std::get_if<std::vector<std::wstring>>(&m_values))
        return (*texts)[row].empty();
    const double value = Number(row);
    return std::isnan(value) || value == kNullValue;
}

double DataColumn::Number(size_t row) const {
    if (const auto* floats = std::get_if<std::vector<float>>(&m_values))
        return (*floats)[row];
    if (const auto* doubles = std::get_if<std::vector<double>>(&m_values))
        return (*doubles)[row];
    return 0.0;
}

std::string DataColumn::Text(size_t row) const {
    if (const auto* floats = std::get_if<std::vector<float>>(&m_values))
        return NumberText::Format((*floats)[row]);
    if (const auto* doubles = std::get_if<std::vector<double>>(&m_values))
        return NumberText::Format((*doubles)[row]);
    return welldata::ToUtf8(std::get<std::vector<std::wstring>>(m_values)[row]);
}
