// The sections of the settings file by their names.
#pragma once

#include "welldata/CurveNaming.h"

// The section's name in the settings file; null for a value that names none.
inline const wchar_t* WellAttributeSectionName(WellAttributeSection section) {
    switch (section) {
    case WellAttributeSection::WellHead:
        return L"well_head";
    case WellAttributeSection::WellPath:
        return L"well_path";
    case WellAttributeSection::WellLog:
        return L"well_log";
    case WellAttributeSection::RockCore:
        return L"rock_core";
    }
    return nullptr;
}
