// The multibyte code page data files are written in. Chinese-locale files are
// the common case, so GB18030 is the default; a host may choose another one
// (for example "UTF-8", "cp1252" or "UTF-16LE") before it loads.
#pragma once

#include "welldata/Export.h"

#include <string>

namespace welldata {

// Whether iconv knows the code page `name` (in any letter case: "gb18030",
// "UTF-8", "cp1252", "ISO-8859-1", "UTF-16LE", ...).
WELLDATA_API bool IsKnownCodePage(const std::string& name);

// Sets the code page by its iconv name. Returns false for a name iconv does not
// know (or an empty one) and keeps the current code page, so the library reads
// on as before. Files in a code page whose ASCII bytes are not themselves
// (UTF-16, UTF-32, EBCDIC) are turned into UTF-8 as they are read, so that
// line ends and separators are found as in any other file.
WELLDATA_API bool SetDataCodePage(const std::string& name);
WELLDATA_API std::string GetDataCodePage();

// The code page a host would choose for the data file at `path` without asking
// its user. The first rule that holds decides:
// 1. a byte order mark: EF BB BF gives "UTF-8", FF FE "UTF-16LE", FE FF
//    "UTF-16BE";
// 2. zero bytes, which text in GB18030 or UTF-8 never holds, in the file's
//    opening (its first 4096 bytes, taken as two-byte units from the first
//    byte; an odd last byte is left out): when there are at least a quarter as
//    many zero bytes as units and at least four in five of them are the
//    second byte of their unit, "UTF-16LE"; the first byte, "UTF-16BE". ASCII
//    text in UTF-16 has a zero byte in every character; zero bytes on both
//    sides are binary data, not text. UTF-16 text without a mark that is
//    mostly Chinese has few zero bytes and needs the mark or the code page
//    named;
// 3. "UTF-8" when the file is valid UTF-8 throughout (plain ASCII included);
// 4. "GB18030" otherwise, and for a file that cannot be read.
// UTF-32 is not detected (its mark reads as UTF-16LE's): name it.
WELLDATA_API std::string DetectCodePage(const std::wstring& path);

} // namespace welldata
