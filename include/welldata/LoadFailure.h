// Why a load failed: a code a host can act on and the library's own message
// for it, whether or not the message was shown.
#pragma once

#include "welldata/Export.h"

#include <string>

namespace welldata {

enum class LoadError {
    None,
    NoFile,          // no file was named
    CannotOpen,      // the file cannot be opened ("打开文件失败。")
    NoText,          // the file holds no line of text: empty, or UTF-16
    NoDepthHeader,   // a log table without a header line naming the depth
    LasNoSection,    // a LAS item line before any section
    LasNoData,       // a LAS file without its "~A" line
    LasNotLas,       // no "~C" or no "~V" section
    LasBadWrap,      // wrapped LAS data that do not join into whole records
    LasBadRows,      // LAS rows whose value count differs from the curve count
    MissingColumn,   // a required column is not chosen
    IncompletePath,  // the well path layout's columns are not all chosen
    DepthCurveCount, // not exactly one depth curve among the chosen curves
    NullInPath,      // a well path point holds a null value
    NoData,          // nothing to load: no data rows, no curves, no columns
    NoDialogs,       // an interactive load asked of a build without the dialogs
};

struct LoadFailure {
    LoadError error = LoadError::None;
    // The message the library shows (or, loading headless or in a batch,
    // would show) for it, in the chosen language (welldata/Language.h). Where
    // it shows none, the reason of a file without a line of text (empty, or
    // blank lines only), and empty for the other failures.
    std::wstring message;

    bool Failed() const { return error != LoadError::None; }
};

// A short English description of `error`, for logs and command lines.
WELLDATA_API const wchar_t* DescribeLoadError(LoadError error);

} // namespace welldata
