#include "settings/WellAttributeTable.h"

#include "platform/ProfileSection.h"

void WellAttributeTable::Read(const std::wstring& path, WellAttributeSection section) {
    m_entries.clear();
    m_path = path;
    const wchar_t* name = WellAttributeSectionName(section);
    if (name == nullptr)
        return;
    const welldata::ProfileSection text(path, name, kSectionBufferSize);
    for (const std::wstring& line : text.Lines()) {
        if (auto entry = WellAttributeEntry::FromLine(line))
            m_entries.push_back(std::move(*entry));
    }
}
