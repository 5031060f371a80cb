// A fuzz input: a few option bytes that choose how the target runs, then the
// bytes of the file it reads. Inputs shorter than the options read as zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace welldata::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size, std::size_t optionBytes);

    std::uint8_t Option(std::size_t index) const;
    bool Flag(std::size_t index, unsigned bit) const { return (Option(index) >> bit) & 1u; }
    std::string_view File() const { return m_file; }

private:
    std::string_view m_options;
    std::string_view m_file;
};

// Stops the process with a report when a rule the library promises is broken,
// so that the fuzzer records the input.
void Require(bool holds, const char* rule);

} // namespace welldata::fuzz
