#include "platform/ProfileSection.h"

#include "platform/MultiByteConverter.h"
#include "platform/WideText.h"
#include "welldata/Utf8.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace welldata {

namespace {

std::string ReadFileBytes(const std::wstring& path) {
    const std::filesystem::path file(ToUtf8(path));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool StartsWithBytes(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

// A byte order mark chooses the encoding; without one the file is in the data
// code page, as an ANSI profile file is.
std::wstring DecodeProfileText(std::string_view bytes) {
    if (StartsWithBytes(bytes, "\xFF\xFE"))
        return MultiByteConverter("UTF-16LE").ToWide(bytes.substr(2));
    if (StartsWithBytes(bytes, "\xFE\xFF"))
        return MultiByteConverter("UTF-16BE").ToWide(bytes.substr(2));
    if (StartsWithBytes(bytes, "\xEF\xBB\xBF"))
        return FromUtf8(bytes.substr(3));
    return MultiByteConverter().ToWide(bytes);
}

// Splits at CR LF, LF or a lone CR.
std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crLf = text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

// The name of a "[name]" line (trimmed), nothing for any other line.
std::optional<std::wstring_view> SectionHeaderName(std::wstring_view trimmedLine) {
    if (trimmedLine.empty() || trimmedLine.front() != L'[')
        return std::nullopt;
    const std::wstring_view inside = trimmedLine.substr(1);
    return TrimView(inside.substr(0, inside.find(L']')));
}

std::wstring NormaliseEntry(std::wstring_view trimmedLine) {
    const size_t equals = trimmedLine.find(L'=');
    if (equals == std::wstring_view::npos)
        return std::wstring(trimmedLine);
    std::wstring entry(TrimView(trimmedLine.substr(0, equals)));
    entry += L'=';
    entry += TrimView(trimmedLine.substr(equals + 1));
    return entry;
}

// The entries of the first section named `sectionName`.
std::vector<std::wstring> SectionEntries(std::wstring_view text, std::wstring_view sectionName) {
    std::vector<std::wstring> entries;
    bool inSection = false;
    for (const std::wstring_view line : SplitLines(text)) {
        const std::wstring_view trimmed = TrimView(line);
        if (const auto name = SectionHeaderName(trimmed)) {
            if (inSection)
                break;
            inSection = EqualsNoCase(*name, sectionName);
            continue;
        }
        if (!inSection || trimmed.empty() || trimmed.front() == L';')
            continue;
        entries.push_back(NormaliseEntry(trimmed));
    }
    return entries;
}

} // namespace

ProfileSection::ProfileSection(const std::wstring& path, std::wstring_view sectionName,
                               size_t bufferSize) {
    const std::wstring text = DecodeProfileText(ReadFileBytes(path));
    Fill(SectionEntries(text, sectionName), bufferSize);
}

void ProfileSection::Fill(const std::vector<std::wstring>& lines, size_t bufferSize) {
    std::wstring joined;
    for (const std::wstring& line : lines) {
        joined += line;
        joined += L'\0';
    }
    // The joined lines and the closing NUL must fit; otherwise the text is cut
    // so that two NULs still fit behind it.
    const bool fits = joined.size() + 1 <= bufferSize;
    m_count = fits ? joined.size() : (bufferSize >= 2 ? bufferSize - 2 : 0);
    m_buffer = joined.substr(0, m_count);
    m_buffer += L'\0';
}

std::vector<std::wstring> ProfileSection::Lines() const {
    std::vector<std::wstring> lines;
    const std::wstring_view text = Text();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(L'\0', start);
        if (end == std::wstring_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace welldata
