#include "welldata/CurveNaming.h"

#include "platform/ReadableMemory.h"
#include "settings/ColumnRecognizer.h"
#include "settings/CurveTable.h"
#include "settings/WellAttributeLookup.h"

namespace {

bool IsEmptyName(const wchar_t* name) {
    return name == nullptr || *name == L'\0';
}

} // namespace

bool get_curve_name(const wchar_t* name, std::wstring* result, bool useDisplayName) {
    if (IsEmptyName(name) || !welldata::IsReadable(result))
        return false;
    result->clear();
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    unsigned int id = 0;
    if (!lookup.FindAttribute(name, id)) {
        *result = name;
        return false;
    }
    // The canonical name leads to the first entry of that name, which gives
    // both names even when a later line matched.
    std::wstring canonicalName;
    lookup.GetMatchedName(canonicalName);
    WellAttributeEntry entry;
    if (lookup.GetEntry(canonicalName.c_str(), entry) < 2) {
        *result = name;
        return false;
    }
    *result = entry.aliases[useDisplayName ? 1 : 0];
    return true;
}

unsigned int get_curve_units(const wchar_t* name, std::vector<const wchar_t*>* units) {
    if (IsEmptyName(name) || !welldata::IsReadable(units))
        return 0;
    std::vector<const wchar_t*>().swap(*units);
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    unsigned int id = 0;
    if (!lookup.FindAttribute(name, id))
        return 0;
    const CurveDefinition* curve = FindCurveDefinition(id);
    if (curve == nullptr)
        return 0;
    for (const wchar_t* const* unit = curve->units; **unit != L'\0'; ++unit)
        units->push_back(*unit);
    return static_cast<unsigned int>(units->size());
}

namespace welldata {

bool GetCurveDisplayName(const std::wstring& name, std::wstring& result) {
    result.clear();
    if (GetLanguage() == Language::Chinese) {
        const bool found = get_curve_name(name.c_str(), &result, true);
        if (!found)
            result.clear();
        return found;
    }
    unsigned int id = 0;
    if (name.empty() ||
        !WellAttributeLookup(WellAttributeSection::WellLog, true).FindAttribute(name.c_str(), id))
        return false;
    const CurveDefinition* curve = FindCurveDefinition(id);
    if (curve == nullptr || curve->displayName.source == nullptr)
        return false;
    result = LookUpCatalogue(curve->displayName.context, curve->displayName.source);
    return !result.empty();
}

unsigned int RecognizeName(WellAttributeSection section, const std::wstring& name) {
    return ColumnRecognizer(section, section == WellAttributeSection::WellLog).Recognize(name);
}

} // namespace welldata
