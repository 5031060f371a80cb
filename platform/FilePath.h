// How the file system compares file names. Linux file systems tell "a.las" and
// "A.las" apart, so two paths name the same file only when they are equal; a
// case-insensitive compare would keep reading the file named first.
#pragma once

#include <string_view>

namespace welldata {

inline bool IsSameFilePath(std::wstring_view a, std::wstring_view b) {
    return a == b;
}

} // namespace welldata
