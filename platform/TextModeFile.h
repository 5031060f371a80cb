// A data file opened for reading the way the Windows runtime's text mode reads
// it: a CR LF pair arrives as a single LF, a lone CR stays. The line rules of the
// reader depend on this.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace welldata {

class TextModeFile {
public:
    TextModeFile() = default;
    ~TextModeFile();
    TextModeFile(const TextModeFile&) = delete;
    TextModeFile& operator=(const TextModeFile&) = delete;

    // Opens `path` (converted to the file system's UTF-8, no length limit).
    bool Open(const std::wstring& path);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // Size of the file on disk in bytes, before any CR LF translation.
    long long Length() const { return m_length; }

    // Reads up to `size` translated bytes into `buffer`; returns how many, 0 at
    // the end of the file.
    size_t Read(char* buffer, size_t size);

private:
    // Moves the unread bytes to the front and reads more behind them; false when
    // nothing is left at all.
    bool Refill();

    std::FILE* m_file = nullptr;
    long long m_length = 0;
    std::vector<char> m_buffer;
    size_t m_begin = 0;
    size_t m_end = 0;
    bool m_eof = false;
};

} // namespace welldata
