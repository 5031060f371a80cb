// Lookups a host uses to name the columns and log curves it receives: which
// attribute a name stands for, the standard or display name of a curve and the
// unit texts accepted for it. Each call reads the settings file afresh.
#pragma once

#include "welldata/Export.h"

#include <cstdint>
#include <string>
#include <vector>

// The sections of the settings file, one per kind of table whose columns are
// recognised by name.
enum class WellAttributeSection : int {
    WellHead = 1, // "well_head": well-head table columns (ids 1 to 7)
    WellPath = 2, // "well_path": well-path columns (ids 8 to 16)
    WellLog = 3,  // "well_log": log curve names (ids 17 to 54)
    RockCore = 5, // "rock_core": rock core description columns (ids 55 to 57)
};

// The standard name (first alias of the curve's settings entry) or, with
// `useDisplayName`, its display name (second alias). Returns false, with
// `result` untouched, for a null or empty name; returns false with `result` =
// `name` when the curve is not in the settings file or its entry has fewer than
// two aliases.
WELLDATA_API bool get_curve_name(const wchar_t* name, std::wstring* result, bool useDisplayName);

// Replaces the contents of `units` by the unit texts accepted for the curve
// `name` stands for and returns how many. The texts are static: they stay
// valid for the life of the library. A null or empty name returns 0 and leaves
// `units` as it was; an unknown name or a curve without units empties it.
WELLDATA_API unsigned int get_curve_units(const wchar_t* name, std::vector<const wchar_t*>* units);

// The mnemonic of curve `id` (17 to 54) in the built-in curve table, null for
// another id. The text is static.
WELLDATA_API const wchar_t* GetCurveMnemonic(std::uint32_t id);

namespace welldata {

// The display name of curve `name` in the chosen language (welldata/Language.h):
// in Chinese the settings file's, as get_curve_name gives it; in another
// language the name of the curve's kind in that language. False, with
// `result` empty, when there is none (a curve the settings file does not know,
// or a kind without a name in the language).
WELLDATA_API bool GetCurveDisplayName(const std::wstring& name, std::wstring& result);

// The attribute id `name` stands for in `section`, 0 for none. Log curves are
// recognised by whole names only; the other sections also take the best
// prefix match, as the import dialogs do.
WELLDATA_API unsigned int RecognizeName(WellAttributeSection section, const std::wstring& name);

} // namespace welldata
