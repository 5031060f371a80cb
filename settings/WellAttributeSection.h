// The sections of the settings file, one per kind of table whose columns are
// recognised by name.
#pragma once

enum class WellAttributeSection : int {
    WellHead = 1, // "well_head": well-head table columns
    WellPath = 2, // "well_path": well-path columns
    WellLog = 3,  // "well_log": log curve names
    RockCore = 5, // "rock_core": rock core description columns
};

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
