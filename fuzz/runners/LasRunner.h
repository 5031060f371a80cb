// Reads a fuzzed LAS file and loads its curves.
// Option byte 0: bit 0 LAS preview (mode -1) instead of a full read, bit 1
// batch load, bit 2 UTF-8 instead of GB18030, bit 3 curves chosen by a dialog,
// bit 4 the file carries a well path, bit 5 also load it by name through the
// load object. Option byte 1: coordinate unit (low half) and depth unit (high
// half); either one not 0 turns unit conversion on.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welldata::fuzz {

void RunLas(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
