// Reads a fuzzed text table and takes every column out of it.
// Option byte: bit 0 preview (mode 15) instead of a full read, bit 1 header
// search, bit 2 no header row, bit 3 UTF-8 instead of GB18030.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welldata::fuzz {

void RunTextTable(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
