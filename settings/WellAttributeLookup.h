// Which attribute a column or curve name stands for, according to one section
// of the settings file. A lookup reads the file once, when it is made; make one
// per operation and reuse it for all the names of that operation.
#pragma once

#include "settings/WellAttributeEntry.h"
#include "settings/WellAttributeSection.h"
#include "settings/WellAttributeTable.h"

#include <string>

class WellAttributeLookup {
public:
    // `exactOnly`: only names equal to an alias (ignoring case) are found;
    // otherwise the best prefix match counts too.
    WellAttributeLookup(WellAttributeSection section, bool exactOnly);

    // Finds the entry that best matches `name`: the first alias in file order
    // that equals it ignoring case, else the entry whose alias shares the most
    // leading characters with the upper-cased name. On success writes the
    // entry's id to `id`; on failure leaves `id` as it was.
    bool FindAttribute(const wchar_t* name, unsigned int& id);

    // The canonical name of the entry the last exact FindAttribute found; false
    // when there is none. An entry without aliases leaves `name` unchanged.
    bool GetMatchedName(std::wstring& name) const;

    // Index of the first entry whose canonical name equals `canonicalName`
    // ignoring case; -1 when there is none.
    int FindEntryIndex(const wchar_t* canonicalName) const;

    // Copies the entry FindEntryIndex finds into `entry` (cleared first) and
    // returns its number of aliases; 0 when there is no such entry.
    int GetEntry(const wchar_t* canonicalName, WellAttributeEntry& entry) const;

    int GetCount() const { return static_cast<int>(m_table.Entries().size()); }

private:
    struct AliasMatch {
        bool found = false;
        bool exact = false;
        size_t matched = 0;
    };
    AliasMatch CompareWithAlias(std::wstring_view name, std::wstring_view upperName,
                                const std::wstring& alias) const;

    WellAttributeTable m_table;
    int m_position = -1;
    bool m_exactOnly = false;
};
