#include "reader/LasItemLine.h"

#include "platform/WideText.h"

#include <algorithm>

namespace welldata {

namespace {

constexpr size_t npos = std::wstring_view::npos;

// Where the mnemonic ends: the first ".", else the first blank, else the first ":".
size_t MnemonicEnd(std::wstring_view line) {
    for (wchar_t delimiter : {L'.', L' ', L':'}) {
        const size_t position = line.find(delimiter);
        if (position != npos)
            return position;
    }
    return npos;
}

// Where the unit ends: the first blank at or after `from`, else the first tab,
// else the start of the line (then there is no unit).
size_t UnitEnd(std::wstring_view line, size_t from) {
    size_t position = line.find(L' ', from);
    if (position == npos)
        position = line.find(L'\t', from);
    return position == npos ? 0 : position;
}

std::wstring WithoutBlanksAndTabs(std::wstring_view text) {
    std::wstring out(text);
    out.erase(
        std::remove_if(out.begin(), out.end(), [](wchar_t c) { return c == L' ' || c == L'\t'; }),
        out.end());
    return out;
}

} // namespace

std::optional<CLasItem> SplitLasItem(std::wstring_view line) {
    const size_t mnemonicEnd = MnemonicEnd(line);
    if (mnemonicEnd == npos)
        return std::nullopt;
    const size_t unitEnd = UnitEnd(line, mnemonicEnd);

    CLasItem item;
    item.strMnemonic = Trim(line.substr(0, mnemonicEnd), L" ");
    if (unitEnd > mnemonicEnd)
        item.strUnit = Trim(line.substr(mnemonicEnd + 1, unitEnd - mnemonicEnd));
    if (EqualsNoCase(item.strUnit, L"UNKNOWN"))
        item.strUnit.clear();

    const size_t colon = line.find(L':', unitEnd);
    if (colon == npos) {
        item.strDescription = line;
    } else {
        const std::wstring_view value = line.substr(unitEnd, colon - unitEnd);
        item.strValue = WithoutBlanksAndTabs(value);
        item.strWrittenValue = Trim(value);
        item.strDescription = line.substr(colon + 1);
    }
    return item;
}

} // namespace welldata
