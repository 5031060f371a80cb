#include "TablePreview.h"

#include "LoadProblem.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsColumnNumber(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

} // namespace

bool TablePreview::Read(CDataFileReader& reader) {
    m_names.clear();
    if (!reader.Read(CDataFileReader::kReadPreview))
        return false;
    const Row header = reader.GetFirstRow();
    for (size_t i = 0; i < header.size(); ++i)
        m_names.push_back(CleanName(header[i], i == 0));
    return !m_names.empty();
}

std::wstring TablePreview::CleanName(std::wstring_view cell, bool first) const {
    // A UTF-8 file with a byte order mark carries it into its first cell.
    if (first && !cell.empty() && cell.front() == L'\xFEFF')
        cell.remove_prefix(1);
    std::wstring name = welldata::Trim(cell);
    if (m_dropCommentMark && name.size() > 1 && name.front() == L'#')
        name.erase(0, 1);
    return name;
}

std::string TablePreview::ColumnList() const {
    std::string list;
    for (size_t i = 0; i < m_names.size(); ++i)
        list += (i > 0 ? " " : "") + std::to_string(i + 1) + ":" + welldata::ToUtf8(m_names[i]);
    return list;
}

int TablePreview::Find(const std::string& choice, const std::string& option) const {
    if (choice == "none")
        return -1;
    if (IsColumnNumber(choice)) {
        const unsigned long number = std::stoul(choice);
        if (number == 0)
            return -1;
        if (number <= m_names.size())
            return static_cast<int>(number - 1);
        throw LoadProblem("--" + option + " " + choice + ": the file has " +
                          std::to_string(m_names.size()) + " columns (" + ColumnList() + ")");
    }
    const std::wstring wanted = CleanName(welldata::FromUtf8(choice), false);
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (welldata::EqualsNoCase(m_names[i], wanted))
            return static_cast<int>(i);
    }
    throw LoadProblem("--" + option + " " + choice + ": no such column (" + ColumnList() + ")");
}
