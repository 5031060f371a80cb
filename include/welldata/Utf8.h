// Lossless conversion between the library's wide strings and UTF-8, the
// encoding of Linux file names and terminals.
#pragma once

#include "welldata/Export.h"

#include <string>
#include <string_view>

namespace welldata {

WELLDATA_API std::string ToUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD; nothing is dropped silently.
WELLDATA_API std::wstring FromUtf8(std::string_view bytes);

} // namespace welldata
