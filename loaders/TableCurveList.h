// The curves a log text table offers, listed the way the log data pages list
// them: one curve per column, with the curve type and default unit that the
// "well_log" section of the settings file recognises its name as.
#pragma once

#include "reader/RowTable.h"
#include "welldata/Common.h"

#include <functional>
#include <list>

class CDataFileReader;

class TableCurveList {
public:
    // The single well page lists only numeric columns, gives every recognised
    // curve kind its type and takes the name as the type of the others; the
    // multi-well page lists every column and types only the curves that have a
    // default unit (ids up to 43).
    enum class Page { SingleWell, MultiWell };

    // One item per listed column of the reader's table (header row first), in
    // file order, named by `names` (the header cells, possibly cleaned up by
    // the caller). `nColumn` is the 1-based column the pages show.
    static std::list<COMMON::STRUCT_CURVE_ITEM> Build(const CDataFileReader& reader,
                                                      const Row& names, Page page);
    // The same with the columns the reader's table holds numbers in given by
    // `isNumericColumn` (0-based).
    static std::list<COMMON::STRUCT_CURVE_ITEM>
    Build(const Row& names, const std::function<bool(int)>& isNumericColumn, Page page);
};
