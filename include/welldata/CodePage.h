// The multibyte code page data files are written in. Chinese-locale files are
// the common case, so GB18030 is the default; a host may choose another one
// (for example "UTF-8") before it loads.
#pragma once

#include "welldata/Export.h"

#include <string>

namespace welldata {

// Sets the code page by its iconv name. Returns false, and keeps the current
// one, when the system cannot convert from it.
WELLDATA_API bool SetDataCodePage(const std::string& name);
WELLDATA_API std::string GetDataCodePage();

// The code page a host would choose for the data file at `path` without asking
// its user: "UTF-8" when the file starts with a UTF-8 byte order mark or is
// valid UTF-8 throughout (plain ASCII included), "GB18030" otherwise and for a
// file that cannot be read.
WELLDATA_API std::string DetectCodePage(const std::wstring& path);

} // namespace welldata
