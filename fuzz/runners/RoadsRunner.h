// Loads a fuzzed file by the streaming road and by the row-table road it
// replaced and requires that both do exactly the same (RoadComparison).
// Option byte 0 chooses the load: 0 Read(0), 1 Read(15), 2 Read(-1), 3 Read(100),
// 4 LoadPath, 5 LoadTable, 6 LoadLog, 7 LoadLog with a path, 8 LoadLas after a
// read, 9 LoadLas of a dialog's curves, 10 LoadLas with a path, 11 LAS by name,
// 12 well heads, 13 rock core analysis, 14 rock core description, 15 Read(1).
// Byte 1: bit 0 LAS, bit 1 header search, bit 2 no header row, bit 3 batch,
// bit 4 no progress bar, bit 5 a bar without a window, bits 6-7 the code page
// (GB18030, UTF-8, UTF-16LE, detected). Byte 2: path data type; byte 3: bit 0
// null value, bit 1 MD present, bit 2 convert units, bit 3 azimuth to north
// (and, for well heads, the units chosen and the optional columns used), bit 4
// units settled, bit 5 answer the unit question; bytes 4 and 5: coordinate
// and depth units; bytes 6 to 14: columns (0xFF none, else the low half);
// byte 15: the null value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace welldata::fuzz {

void RunRoads(const std::uint8_t* data, std::size_t size);
// The same without stopping: the first difference between the roads, empty
// when there is none.
std::string CompareRoads(const std::uint8_t* data, std::size_t size);

} // namespace welldata::fuzz
