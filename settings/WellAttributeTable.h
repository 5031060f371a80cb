// The entries of one section of the settings file, in file order.
#pragma once

#include "settings/WellAttributeEntry.h"
#include "settings/WellAttributeSection.h"

#include <string>
#include <vector>

class WellAttributeTable {
public:
    // Only this many characters of a section are read (lines joined by NULs);
    // entries beyond are not seen and the last line read may be cut.
    static constexpr size_t kSectionBufferSize = 1024;

    // Reads `section` of the settings file at `path`; a missing file or section,
    // or a selector that names no section, leaves the table empty.
    void Read(const std::wstring& path, WellAttributeSection section);

    const std::vector<WellAttributeEntry>& Entries() const { return m_entries; }
    const std::wstring& Path() const { return m_path; }

private:
    std::vector<WellAttributeEntry> m_entries;
    std::wstring m_path;
};
