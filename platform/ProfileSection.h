// One section of an INI profile file, read the way the Windows profile reader
// fills a caller's buffer: the lines as NUL-terminated strings back to back.
// The settings lookup depends on exactly this shape, including how a section
// that does not fit into the buffer is cut.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace welldata {

class ProfileSection {
public:
    // Reads the section named `sectionName` (matched without regard to case)
    // from the file at `path` into a buffer of `bufferSize` characters. Every
    // line "key=value" comes back with the blanks around key and value trimmed;
    // a line without "=" comes back trimmed; blank lines and ";" comments are
    // left out. The file may be UTF-16 (LE or BE) or UTF-8 with a byte order
    // mark; without one it is text in the data code page.
    ProfileSection(const std::wstring& path, std::wstring_view sectionName, size_t bufferSize);

    // Characters written before the closing NUL, as the Windows reader counts
    // them: each line with its NUL. A section that does not fit gives
    // bufferSize - 2, its last line possibly cut in the middle.
    size_t Count() const { return m_count; }
    // The buffer's first Count() characters.
    std::wstring_view Text() const { return std::wstring_view(m_buffer).substr(0, m_count); }
    // The buffer as a caller sees it, always ended by two NULs.
    const wchar_t* Buffer() const { return m_buffer.c_str(); }
    // Text() split at its NULs; a line cut by the buffer size is the last line.
    std::vector<std::wstring> Lines() const;

private:
    void Fill(const std::vector<std::wstring>& lines, size_t bufferSize);

    std::wstring m_buffer;
    size_t m_count = 0;
};

} // namespace welldata
