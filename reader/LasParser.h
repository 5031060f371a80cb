// Parses the raw lines of a LAS 2.0 file into its section table and row table,
// with the checks of a LAS load. The parser shows nothing: its result carries
// the message the reader shows for a failure (unless it loads in a batch).
#pragma once

#include "reader/CLasSectionTable.h"
#include "reader/LineMap.h"
#include "reader/LoadReportRecorder.h"
#include "reader/RowTable.h"
#include "welldata/LoadFailure.h"
#include "welldata/MessageBox.h"

#include <string>
#include <vector>

class CProgressCtrl;

struct LasParseResult {
    welldata::LoadError error = welldata::LoadError::None;
    std::wstring message;
    welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow;

    bool Ok() const { return error == welldata::LoadError::None; }
};

// Fills `sections` (emptied first) and appends the data rows to `rows`; each
// raw line is released once parsed. Succeeds when the header parsed and every
// row holds one value per curve. `progress` is stepped over the lines when not
// null. `report` learns the file line of each row (`lineMap` gives the raw
// lines') and the units the curves declare.
LasParseResult ParseLas(std::vector<std::wstring>& rawLines, CLasSectionTable& sections,
                        RowTable& rows, CProgressCtrl* progress, const LineMap& lineMap,
                        LoadReportRecorder& report);
