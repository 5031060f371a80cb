// The column choices the import dialogs preselect, from the header row the
// reader gave them. The suggestions a host gets from a TablePreview work from
// the same names by the same rules, so a dialog and a headless load of one file
// start from the same choice.
#pragma once

#include "welldata/TablePreview.h"

#include <string>
#include <vector>

namespace welldata {

WellHeadChoices SuggestWellHeadChoices(const std::vector<std::wstring>& names);
CoreAnalysisChoices SuggestCoreAnalysisChoices(const std::vector<std::wstring>& names);
CoreDescriptionChoices SuggestCoreDescriptionChoices(const std::vector<std::wstring>& names);

} // namespace welldata
