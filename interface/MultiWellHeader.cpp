#include "interface/MultiWellHeader.h"

#include "platform/ExecutablePath.h"
#include "platform/MultiByteConverter.h"
#include "platform/Translation.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace welldata {

namespace {

// The folder SetFolder chose; empty for the executable's.
std::wstring& FolderOverride() {
    static std::wstring folder;
    return folder;
}

// UTF-16 code units of one character.
size_t Utf16Length(wchar_t c) {
    return static_cast<std::uint32_t>(c) > 0xFFFF ? 2 : 1;
}

// The failed files are listed three to a line.
constexpr size_t kFailedFilesPerLine = 3;

} // namespace

void MultiWellHeader::AddName(std::wstring_view name) {
    std::wstring trimmed = Trim(name);
    if (!trimmed.empty() && trimmed.front() == L'#')
        trimmed.erase(0, 1);
    const bool known = std::any_of(m_names.begin(), m_names.end(), [&](const std::wstring& held) {
        return EqualsNoCase(held, trimmed);
    });
    if (!known)
        m_names.push_back(std::move(trimmed));
}

void MultiWellHeader::AddNames(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names)
        AddName(name);
}

bool MultiWellHeader::ReadFiles(CDataFileReader& reader, std::vector<std::wstring>& paths,
                                std::wstring& loadFileName) {
    for (size_t i = 0; i < paths.size();) {
        reader.Clear();
        loadFileName = paths[i];
        reader.SetFilePath(paths[i]);
        reader.SetHeaderSearch(true);
        if (!reader.IsLas()) {
            ReadTableNames(reader);
            ++i;
            continue;
        }
        bool failed = false;
        if (!ReadLasNames(reader, failed))
            return false;
        if (!failed) {
            ++i;
            continue;
        }
        // The next file moves up into this place.
        m_failedFiles.push_back(paths[i]);
        paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return true;
}

bool MultiWellHeader::ReadLasNames(CDataFileReader& reader, bool& failed) {
    reader.EnsureSections();
    failed = !reader.Read(CDataFileReader::kReadLasPreview);
    if (failed)
        return true;
    const CLasSectionTable* sections = reader.GetLasSections();
    const CLasSection* curves = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
    if (curves == nullptr)
        return false;
    for (const CLasItem& item : curves->items)
        AddName(EqualsNoCase(item.strMnemonic, L"DEPT") ? std::wstring(L"DEPTH")
                                                        : item.strMnemonic);
    return true;
}

void MultiWellHeader::ReadTableNames(CDataFileReader& reader) {
    // A table without a line naming the depth has shown the reader's message
    // and gives no names.
    reader.Read(CDataFileReader::kReadPreview);
    AddNames(reader.GetFirstRow());
}

std::wstring MultiWellHeader::FailedFilesMessage() const {
    std::wstring text = Translate(WELLDATA_CATALOGUE_TEXT(
        "MultiWellHeader", "以下文件存在错误，将不会被加载，请检查文件数据！\r\n"));
    for (size_t i = 0; i < m_failedFiles.size(); ++i) {
        text += FileNameOf(m_failedFiles[i]);
        text += (i + 1) % kFailedFilesPerLine == 0 ? L"\r\n" : L"\t";
    }
    return text;
}

std::wstring MultiWellHeader::GetText() const {
    std::wstring text;
    for (const std::wstring& name : m_names)
        text += name + L' ';
    return Trim(text, L" ");
}

std::string MultiWellHeader::Encode() const {
    const std::wstring text = GetText();
    MultiByteConverter converter;
    std::string bytes;
    size_t begin = 0;
    while (begin < text.size()) {
        // A piece never splits a character that takes two UTF-16 units.
        size_t end = begin;
        size_t units = 0;
        while (end < text.size() && units + Utf16Length(text[end]) <= kPieceLength)
            units += Utf16Length(text[end++]);
        bytes += converter.ToMultiByte(std::wstring_view(text).substr(begin, end - begin));
        begin = end;
    }
    // The closing NUL in the code page's own form: one byte, two in UTF-16.
    bytes += converter.ToMultiByte(std::wstring_view(L"", 1));
    return bytes;
}

bool MultiWellHeader::Write(const std::wstring& path) const {
    std::FILE* file = std::fopen(ToUtf8(path).c_str(), "wb");
    if (file == nullptr)
        return false;
    const std::string bytes = Encode();
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::wstring MultiWellHeader::FilePath() {
    const std::wstring folder = FolderOverride().empty() ? GetExecutableFolder() : FolderOverride();
    // Without a known folder the file goes to the working folder.
    return folder.empty() ? std::wstring(kFileName) : folder + L"/" + kFileName;
}

void MultiWellHeader::SetFolder(const std::wstring& folder) {
    FolderOverride() = folder;
}

} // namespace welldata
