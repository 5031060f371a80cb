// Reads a fuzzed settings file: one section through the profile reader with a
// buffer size from the input, then attribute lookups for fixed names and names
// taken from the file, and the two exported curve name functions for one name.
// Option byte 0: bits 0-2 the section selector (0 to 7, unused values
// included), bit 3 exact matches only, bit 4 display names, bit 5 the curve
// name functions look up the file's first name instead of DEPTH. Option byte 1:
// the profile buffer size in steps of 5 characters.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welldata::fuzz {

void RunSettings(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
