// Loads a fuzzed well path table with fuzzed loader settings.
// Option bytes: 0 the path data type (0 to 7); 1 flags: bit 0 has a null value,
// bit 1 has MD, bit 2 convert units, bit 3 azimuth to true north, bit 4 no
// header row, bit 5 through the well log loader (path plus one curve), bit 6 a
// LAS file, bit 7 header search; 2 the null value: bit 7 takes the float in
// bytes 14 to 17 as it is, else bits 0-2 pick a common one; 3 and 4 the
// coordinate and depth unit codes (signed); 5 to 13 the columns MD, INCL, AZIM,
// TVD, DX, DY, X, Y, Z (0xFF is a page's "none", else the low four bits).
#pragma once

#include <cstddef>
#include <cstdint>

namespace welldata::fuzz {

void RunWellPath(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
