// The header sections of a LAS file, in file order, with their items.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CLasItem {
    std::wstring strMnemonic;
    std::wstring strUnit;
    std::wstring strValue;
    std::wstring strDescription;
    // The value as written, only trimmed: the parser's value drops every blank
    // ("HUADONG PETROLEUM CO." reads "HUADONGPETROLEUMCO."), which is what its
    // rules compare, but a host shows the header as the file gives it.
    std::wstring strWrittenValue;
};

struct CLasSection {
    // The two characters starting at the "~" of the section's line, as written.
    std::wstring strName;
    std::vector<CLasItem> items;

    // First item whose mnemonic equals `mnemonic` without regard to case.
    const CLasItem* FindItem(std::wstring_view mnemonic) const;
    int GetItemCount() const { return static_cast<int>(items.size()); }
    // Item by 0-based position; null when out of range.
    const CLasItem* GetItem(int index) const;
};

class CLasSectionTable {
public:
    void Clear() { m_sections.clear(); }
    CLasSection& AddSection(std::wstring name);

    // First section whose name equals `name` without regard to case.
    const CLasSection* FindSection(std::wstring_view name) const;
    // Number of curves: the item count of the first "~C" section, 0 without one.
    int GetCurveCount() const;

    const std::vector<CLasSection>& Sections() const { return m_sections; }

private:
    std::vector<CLasSection> m_sections;
};
