// The column choices the import dialogs preselect, from the header row the
// reader gave them. The suggestions a host gets from a TablePreview work from
// the same names by the same rules, so a dialog and a headless load of one file
// start from the same choice.
#pragma once

#include "reader/RowTable.h"
#include "welldata/TablePreview.h"

#include <string>
#include <vector>

namespace welldata {

// The header cells as column names: trimmed, the first without a UTF-8 byte
// order mark, and for a log table without a leading "#".
std::vector<std::wstring> HeaderNames(const Row& header, TableKind kind);

WellHeadChoices SuggestWellHeadChoices(const std::vector<std::wstring>& names);
CoreAnalysisChoices SuggestCoreAnalysisChoices(const std::vector<std::wstring>& names);
CoreDescriptionChoices SuggestCoreDescriptionChoices(const std::vector<std::wstring>& names);

} // namespace welldata
