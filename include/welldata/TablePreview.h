// The head of a text table as the import dialogs preview it, and the choices
// they preselect from it: columns recognised by name through the settings file,
// the curves a log table offers, the first complete well path layout. A host
// without dialogs starts from these suggestions and changes what it needs.
#pragma once

#include "welldata/Export.h"
#include "welldata/LoadChoices.h"
#include "welldata/LoadFailure.h"
#include "welldata/LoadReport.h"

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace welldata {

enum class TableKind { WellHead, WellPath, WellLog, CoreAnalysis, CoreDescription };

struct TablePreview {
    std::wstring path;
    TableKind kind = TableKind::WellHead;
    // The header cells: trimmed, without a UTF-8 byte order mark, and for a
    // log table without a leading "#" ("#DEPTH" names the depth). A log
    // table's header is the first line that contains "depth".
    std::vector<std::wstring> names;
    // The data rows of the preview (the first lines of the file).
    std::vector<std::vector<std::wstring>> rows;
    // Per column: whether the first data row's cell is a number, and whether
    // every preview row from the second on holds a number there (the columns
    // the log page lists).
    std::vector<bool> numericFirstCell;
    std::vector<bool> numericColumn;
    LoadFailure failure;
    // What the read of the first lines found: whether the file is text, how
    // the header split, the units line.
    LoadReport report;
};

// Reads the first lines of the table at `path` in the data code page, without
// showing a message: a failure is in `failure`.
WELLDATA_API TablePreview PreviewTable(const std::wstring& path, TableKind kind);

// The 0-based column of `names` called `name` in any letter case, a leading
// "#" left out on either side (a log table's "#DEPTH" is listed as DEPTH);
// -1 when there is none.
WELLDATA_API int FindColumnByName(const std::vector<std::wstring>& names, std::wstring_view name);

// Columns recognised by the "well_head" section; an optional column that is
// recognised is marked used.
WELLDATA_API WellHeadChoices SuggestWellHeadChoices(const TablePreview& preview);
// The `dataType` layout's columns recognised by the "well_path" section, among
// the columns whose first value is a number; hasMd when an MD column is found.
WELLDATA_API PathColumnAssignment SuggestPathAssignment(const TablePreview& preview,
                                                        std::int32_t dataType);
// The first layout of MD, INCL, AZIM; TVD, DX, DY; TVD, X, Y; X, Y, Z whose
// columns are all recognised; false when none is.
WELLDATA_API bool DetectPathLayout(const TablePreview& preview, PathColumnAssignment& assignment);
// The curves the log pages list: one per column (the single well page only
// the numeric ones), with the type and default unit of a recognised curve.
WELLDATA_API std::list<COMMON::STRUCT_CURVE_ITEM> ListTableCurves(const TablePreview& preview,
                                                                  LogImport import);
// Every listed curve of a single well log table, with the settings page's
// defaults.
WELLDATA_API WellLogChoices SuggestWellLogChoices(const TablePreview& preview);
// Every column under its header title.
WELLDATA_API CoreAnalysisChoices SuggestCoreAnalysisChoices(const TablePreview& preview);
// The top, bottom and description columns recognised by the "rock_core"
// section, named after the last column as the dialog's name box starts.
WELLDATA_API CoreDescriptionChoices SuggestCoreDescriptionChoices(const TablePreview& preview);

} // namespace welldata
