// Lookups a host uses to name the log curves it receives: the standard or
// display name of a curve and the unit texts accepted for it. Both read the
// "well_log" section of the settings file on every call.
#pragma once

#include "welldata/Export.h"

#include <string>
#include <vector>

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
