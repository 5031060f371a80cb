#include "settings/WellAttributeLookup.h"

#include "platform/WideText.h"
#include "welldata/Settings.h"

WellAttributeLookup::WellAttributeLookup(WellAttributeSection section, bool exactOnly)
    : m_exactOnly(exactOnly) {
    m_table.Read(welldata::GetSettingsFilePath(), section);
}

WellAttributeLookup::AliasMatch
WellAttributeLookup::CompareWithAlias(std::wstring_view name, std::wstring_view upperName,
                                      const std::wstring& alias) const {
    if (name.empty())
        return {};
    if (welldata::EqualsNoCase(name, alias))
        return {true, true, name.size()};
    if (m_exactOnly)
        return {};
    // The alias is compared as written, so an alias with lower-case letters
    // never matches the upper-cased name by prefix.
    size_t matched = 0;
    while (matched < upperName.size() && matched < alias.size() &&
           upperName[matched] == alias[matched])
        ++matched;
    return {true, false, matched};
}

bool WellAttributeLookup::FindAttribute(const wchar_t* name, unsigned int& id) {
    if (name == nullptr)
        return false;
    const std::wstring_view text(name);
    const std::wstring upperText = welldata::ToUpper(text);
    size_t bestMatched = 0;
    size_t bestAliasLength = 0;
    const auto& entries = m_table.Entries();
    for (size_t index = 0; index < entries.size(); ++index) {
        for (const std::wstring& alias : entries[index].aliases) {
            const AliasMatch match = CompareWithAlias(text, upperText, alias);
            if (!match.found)
                continue;
            if (match.exact) {
                id = entries[index].id;
                m_position = static_cast<int>(index);
                return true;
            }
            // Both must grow strictly: a later alias that matches more but is
            // not longer than the best one so far does not replace it.
            if (match.matched > bestMatched && alias.size() > bestAliasLength) {
                bestMatched = match.matched;
                bestAliasLength = alias.size();
                id = entries[index].id;
            }
        }
    }
    return bestMatched > 0;
}

bool WellAttributeLookup::GetMatchedName(std::wstring& name) const {
    const auto& entries = m_table.Entries();
    if (m_position < 0 || static_cast<size_t>(m_position) >= entries.size())
        return false;
    const auto& aliases = entries[static_cast<size_t>(m_position)].aliases;
    if (!aliases.empty())
        name = aliases.front();
    return true;
}

int WellAttributeLookup::FindEntryIndex(const wchar_t* canonicalName) const {
    if (canonicalName == nullptr || *canonicalName == L'\0')
        return -1;
    const auto& entries = m_table.Entries();
    for (size_t index = 0; index < entries.size(); ++index) {
        const auto& aliases = entries[index].aliases;
        if (!aliases.empty() && welldata::EqualsNoCase(aliases.front(), canonicalName))
            return static_cast<int>(index);
    }
    return -1;
}

int WellAttributeLookup::GetEntry(const wchar_t* canonicalName, WellAttributeEntry& entry) const {
    entry = WellAttributeEntry();
    const int index = FindEntryIndex(canonicalName);
    if (index < 0)
        return 0;
    entry = m_table.Entries()[static_cast<size_t>(index)];
    return static_cast<int>(entry.aliases.size());
}
