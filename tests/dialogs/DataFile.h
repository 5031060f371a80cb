// The file of a test's reader, written as a LAS file when it starts with "~V"
// and else as a table.
#pragma once

#include "support/TestSupport.h"

#include <string>

namespace uitest {

// Makes `bytes` the file of `file`'s reader. A table's header is its first
// line, or with `searchHeader` the first line naming the depth, as in log
// files.
inline CDataFileReader& WriteDataFile(testing_support::ScratchFile& file, const std::string& bytes,
                                      bool searchHeader = false) {
    const bool las = bytes.starts_with("~V");
    CDataFileReader& reader = file.Write(bytes);
    reader.SetDataFormat(las ? COMMON::WLDF_LAS : COMMON::WLDF_TEXT);
    reader.SetHeaderRow(!las);
    reader.SetHeaderSearch(searchHeader && !las);
    reader.EnsureSections();
    return reader;
}

} // namespace uitest
