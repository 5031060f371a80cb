#include "reader/TableColumnNames.h"

#include "platform/WideText.h"
#include "reader/CDataFileReader.h"

namespace welldata {

namespace {

std::wstring CleanColumnName(std::wstring_view cell, bool first, bool logTable) {
    // A UTF-8 file with a byte order mark carries it into its first cell.
    if (first && !cell.empty() && cell.front() == L'\xFEFF')
        cell.remove_prefix(1);
    std::wstring name = Trim(cell);
    // "#DEPTH" names the depth of a log table.
    if (logTable && name.size() > 1 && name.front() == L'#')
        name.erase(0, 1);
    return name;
}

} // namespace

std::vector<std::wstring> TableColumnNames(const CDataFileReader& reader) {
    std::vector<std::wstring> names;
    if (reader.IsLas()) {
        const CLasSectionTable* sections = reader.GetLasSections();
        const CLasSection* curves = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
        if (curves != nullptr) {
            for (const CLasItem& item : curves->items)
                names.push_back(Trim(item.strMnemonic));
        }
        return names;
    }
    return TableColumnNames(reader.GetFirstRow(), reader.IsHeaderSearch());
}

std::vector<std::wstring> TableColumnNames(const Row& header, bool logTable) {
    std::vector<std::wstring> names;
    names.reserve(header.size());
    for (size_t column = 0; column < header.size(); ++column)
        names.push_back(CleanColumnName(header[column], column == 0, logTable));
    return names;
}

} // namespace welldata
