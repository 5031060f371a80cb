// A data file opened for reading the way the Windows runtime's text mode reads
// it: a CR LF pair arrives as a single LF, a lone CR stays. The line rules of the
// reader depend on this. A file in a code page whose ASCII bytes are not
// themselves (UTF-16, ...) is turned into UTF-8 first, so that those rules see
// the bytes a UTF-8 file of the same text has.
#pragma once

#include "platform/StreamTranscoder.h"

#include <cstdio>
#include <memory>
#include <string>

namespace welldata {

class TextModeFile {
public:
    TextModeFile() = default;
    ~TextModeFile();
    TextModeFile(const TextModeFile&) = delete;
    TextModeFile& operator=(const TextModeFile&) = delete;

    // Opens `path` (converted to the file system's UTF-8, no length limit), a
    // file in `codePage` (an iconv name; empty or unknown: read as it is).
    bool Open(const std::wstring& path, const std::string& codePage = std::string());
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // The code page of the bytes Read gives: UTF-8 for a file turned into it,
    // else the one the file was opened in.
    const std::string& TextCodePage() const { return m_textCodePage; }

    // Size of the file on disk in bytes, before any CR LF translation.
    long long Length() const { return m_length; }

    // Reads up to `size` translated bytes into `buffer`; returns how many, 0 at
    // the end of the file.
    size_t Read(char* buffer, size_t size);

    // How far reading has come, for a progress display that ends at Length():
    // the bytes Read gave (a CR LF pair counting one) for a file read as it is;
    // for a transcoded one, the file bytes behind the text given, in proportion
    // within each block read from the disk.
    long long Progress() const;

private:
    // Moves the unread bytes to the front and reads more behind them; false when
    // nothing is left at all.
    bool Refill();
    // Reads the next block from the disk behind the unread bytes.
    void ReadBlock();

    std::FILE* m_file = nullptr;
    long long m_length = 0;
    std::string m_textCodePage;
    std::unique_ptr<StreamTranscoder> m_transcoder;
    std::string m_block;  // a block as read from the disk, to be transcoded
    std::string m_buffer; // unread text from m_begin on
    size_t m_begin = 0;
    bool m_eof = false;
    long long m_given = 0;
    // Transcoded files: the text bytes taken from the buffer before m_begin,
    // and the text and file bytes read up to the start and the end of the
    // last block, for Progress.
    long long m_textTaken = 0;
    long long m_textBefore = 0, m_textAfter = 0;
    long long m_fileBefore = 0, m_fileAfter = 0;
};

} // namespace welldata
