// Where the library finds its settings file of column-name aliases.
#pragma once

#include "welldata/Export.h"

#include <string>

namespace welldata {

// The settings file: the host executable's full path with ".well_attri.ini"
// appended (host.exe reads host.exe.well_attri.ini), unless a path was set.
WELLDATA_API std::wstring GetSettingsFilePath();

// Makes every later lookup read `path` instead; an empty path restores the
// file beside the executable. Set it before loading, from the thread that loads.
WELLDATA_API void SetSettingsFilePath(const std::wstring& path);

} // namespace welldata
