// Writes LAS text to a scratch file and reads it the way a LAS load does.
#pragma once

#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <string>

namespace testing_support {

// A header with the usual ~V and ~W lines; `wrap` is the WRAP value and `null`
// the whole NULL line ("" leaves it out).
inline std::string LasHeader(const std::string& wrap = "NO",
                             const std::string& null = " NULL.   -999.25 : null value\n") {
    return "~Version information\n VERS.   2.0 : version\n WRAP.   " + wrap +
           " : wrap\n~Well information\n" + null;
}

// Curves DEPT (metres), GR and RT, then the data lines.
inline std::string LasWithData(const std::string& data, const std::string& wrap = "NO") {
    return LasHeader(wrap) +
           "~Curve\n DEPT.M : depth\n GR  .API : gamma\n RT  .OHMM : resistivity\n" + "~A\n" + data;
}

struct LasTestFile {
    ScratchDir dir;
    CDataFileReader reader;

    // Reads `text` as a LAS file in `mode`, as a batch load when `batch`.
    bool Read(const std::string& text, int mode = CDataFileReader::kReadAll, bool batch = false) {
        reader.SetFilePath(dir.Write("log.las", text));
        reader.SetDataFormat(COMMON::WLDF_LAS);
        reader.SetHeaderRow(false);
        reader.SetBatchLoad(batch);
        // A read clears a reader that holds rows, section table included.
        reader.Clear();
        reader.EnsureSections();
        return reader.Read(mode);
    }
    const CLasSection* Section(const wchar_t* name) const {
        return reader.GetLasSections()->FindSection(name);
    }
};

} // namespace testing_support
