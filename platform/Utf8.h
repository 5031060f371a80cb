// Lossless conversion between wide strings and UTF-8, the file system's encoding.
#pragma once

#include <string>
#include <string_view>

namespace welldata {

std::string ToUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD; nothing is dropped silently.
std::wstring FromUtf8(std::string_view bytes);

} // namespace welldata
