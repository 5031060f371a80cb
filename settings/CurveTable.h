// The log curve kinds the library knows: for each curve id of the "well_log"
// settings section its standard mnemonic, the unit texts accepted for it and
// its display name, which the translation catalogue holds in other languages.
#pragma once

#include "platform/Translation.h"
#include "welldata/CurveNaming.h"

#include <cstdint>
#include <string>

struct CurveDefinition {
    std::uint32_t id;
    const wchar_t* mnemonic;
    // Ended by an empty text; null only in the closing row.
    const wchar_t* const* units;
    // The display name of the kind as the example settings file gives it, a
    // text of the translation catalogue; its source is null for the kinds
    // without one.
    welldata::CatalogueText displayName;
};

// In id order (17 to 54), ended by a row with id 0. The texts are static and
// may be handed out.
extern const CurveDefinition CurveTable[];
constexpr int kCurveTableRows = 38;

// The row of curve `id`, null for an id the table does not hold (0 included).
const CurveDefinition* FindCurveDefinition(std::uint32_t id);

// The first unit text of curve `id`. False (and an empty text) outside the
// curves 17 to 43, the ones the curve pages give a unit; a curve without
// units gives true and an empty text.
bool GetDefaultCurveUnit(std::uint32_t id, std::wstring& unit);
