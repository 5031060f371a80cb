#include "NumberText.h"

#include <charconv>

namespace {

template <class Number> std::string ShortestText(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string NumberText::Format(float value) {
    return ShortestText(value);
}

std::string NumberText::Format(double value) {
    return ShortestText(value);
}
