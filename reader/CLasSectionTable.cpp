#include "reader/CLasSectionTable.h"

#include "platform/WideText.h"

using welldata::EqualsNoCase;

const CLasItem* CLasSection::FindItem(std::wstring_view mnemonic) const {
    for (const CLasItem& item : items) {
        if (EqualsNoCase(item.strMnemonic, mnemonic))
            return &item;
    }
    return nullptr;
}

const CLasItem* CLasSection::GetItem(int index) const {
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return &items[static_cast<size_t>(index)];
}

CLasSection& CLasSectionTable::AddSection(std::wstring name) {
    m_sections.push_back(CLasSection{std::move(name), {}});
    return m_sections.back();
}

const CLasSection* CLasSectionTable::FindSection(std::wstring_view name) const {
    for (const CLasSection& section : m_sections) {
        if (EqualsNoCase(section.strName, name))
            return &section;
    }
    return nullptr;
}

int CLasSectionTable::GetCurveCount() const {
    const CLasSection* curves = FindSection(L"~C");
    return curves == nullptr ? 0 : curves->GetItemCount();
}
