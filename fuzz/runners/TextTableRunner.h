// Reads a fuzzed text table and takes every column out of it.
// Option byte: bit 0 preview (mode 15) instead of a full read, bit 1 header
// search, bit 2 no header row, bit 3 UTF-8 instead of GB18030; bits 4 and 5
// the code page road: 0 the one bit 3 names, 1 UTF-16LE and 2 UTF-16BE (the
// rows must be those of the file's UTF-8 twin), 3 the one DetectCodePage
// chooses.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welldata::fuzz {

void RunTextTable(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
