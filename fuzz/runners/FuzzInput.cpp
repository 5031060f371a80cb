#include "fuzz/runners/FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace welldata::fuzz {

FuzzInput::FuzzInput(const std::uint8_t* data, std::size_t size, std::size_t optionBytes) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(optionBytes, size);
    m_options = bytes.substr(0, split);
    m_file = bytes.substr(split);
}

std::uint8_t FuzzInput::Option(std::size_t index) const {
    return index < m_options.size() ? static_cast<std::uint8_t>(m_options[index]) : 0;
}

void Require(bool holds, const char* rule) {
    if (holds)
        return;
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

} // namespace welldata::fuzz
