// The curves a log file offers, listed the way the log data pages list them:
// one row per column of a text table or per curve line of a LAS "~C" section,
// with the curve type (and, for a text table, the default unit) that the
// "well_log" section of the settings file recognises its name as. The pages
// show these rows; the headless API takes the same rows as the curves to load.
#pragma once

#include "reader/RowTable.h"
#include "welldata/Common.h"

#include <functional>
#include <list>
#include <string>
#include <vector>

class CDataFileReader;
struct CLasSection;

class TableCurveList {
public:
    // The single well page lists only numeric columns, gives every recognised
    // curve kind its type and takes the name as the type of the others; the
    // multi-well page lists every column and types only the curves that have a
    // default unit (ids up to 43).
    enum class Page { SingleWell, MultiWell };

    // One row of a page's curve list.
    struct ListedCurve {
        std::wstring name;
        int column = 0;    // 1-based column of the file (position in "~C")
        std::wstring type; // mnemonic of the recognised curve, else empty
        std::wstring unit; // a table's default unit of the curve; a LAS curve's own unit
        int curveId = -1;  // the recognised id, -1 for none
    };

    // The rows of a text table named by `names` (the header cells, possibly
    // cleaned up by the caller); `isNumericColumn` (0-based) says which
    // columns hold numbers throughout, for the single well page.
    static std::vector<ListedCurve>
    ListTable(const Row& names, const std::function<bool(int)>& isNumericColumn, Page page);
    // The rows of a LAS file's curve section: names as LAS curves are named
    // (upper case, "DEPT" spelled "DEPTH"), every recognised id typed, the
    // unit as the file gives it without trailing blanks.
    static std::vector<ListedCurve> ListLas(const CLasSection& curveSection);

    // The curve a row stands for when it is collected: name, column, type and
    // unit; on the single well page a row without a type takes its name as type.
    static COMMON::STRUCT_CURVE_ITEM ToCurve(const ListedCurve& row, Page page);

    // The curves of the rows ListTable gives, collected.
    static std::list<COMMON::STRUCT_CURVE_ITEM> Build(const CDataFileReader& reader,
                                                      const Row& names, Page page);
    static std::list<COMMON::STRUCT_CURVE_ITEM>
    Build(const Row& names, const std::function<bool(int)>& isNumericColumn, Page page);
};
