#include "reader/FloatColumn.h"

std::vector<float> FloatColumn::TakeVector() {
    std::vector<float> values;
    values.reserve(Size());
    m_values.Drain([&values](const char* bytes, std::size_t size) {
        const auto* first = reinterpret_cast<const float*>(bytes);
        values.insert(values.end(), first, first + size / sizeof(float));
    });
    return values;
}
