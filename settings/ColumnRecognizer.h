// Recognises the columns of a table by their names through one section of the
// settings file, the way the import dialogs and pages preselect their column
// choices. Like a lookup, it reads the file once: make one per operation.
#pragma once

#include "reader/RowTable.h"
#include "settings/WellAttributeLookup.h"

#include <functional>
#include <map>
#include <string>

class ColumnRecognizer {
public:
    // `exactOnly` as for WellAttributeLookup: the log curve lookups use exact
    // names, the well head, well path and rock core choices allow prefixes.
    ColumnRecognizer(WellAttributeSection section, bool exactOnly);

    // The attribute id `name` stands for; 0 when the settings file knows none.
    unsigned int Recognize(const std::wstring& name);

    // For every attribute a column name stands for, the 0-based column of the
    // last such name: a later column with the same attribute replaces an earlier
    // one, as in the dialogs. `eligible`, when given, leaves out the columns for
    // which it returns false. Names standing for id 0 are left out.
    std::map<unsigned int, int> FindColumns(const Row& names,
                                            const std::function<bool(int)>& eligible = {});

private:
    WellAttributeLookup m_lookup;
};
