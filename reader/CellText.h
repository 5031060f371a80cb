// The text of a cell as the reader keeps it: UTF-8, extended so that every
// wide character, even one no Unicode text holds, comes back as it was. An
// ASCII cell is its own bytes, so the cells of an ASCII line are slices of the
// line itself; a cell keeps a quarter of the memory its wide string takes.
#pragma once

#include <string>
#include <string_view>

namespace welldata {

// Whether every byte is below 0x80.
bool IsAsciiText(std::string_view bytes);

// Appends the kept form of `text` to `out`.
void AppendCellText(std::wstring_view text, std::string& out);
// The wide text of a kept cell.
std::wstring CellToWide(std::string_view cell);

} // namespace welldata
