// Chooses the code page of a data file for "--encoding auto": UTF-8 when the
// file starts with a UTF-8 byte order mark or is valid UTF-8 throughout (plain
// ASCII included), GB18030 otherwise.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class EncodingDetector {
public:
    // The iconv name of the code page; GB18030 for a file that cannot be read
    // (the reader then reports it).
    static std::string Detect(const std::wstring& path);

    // Feeds the bytes of a file, in pieces of any size.
    void Add(std::string_view bytes);
    // Whether everything fed so far is valid UTF-8, ending on a whole character.
    bool IsUtf8() const { return m_valid && m_pending == 0; }

private:
    // Checks one byte; returns false when it cannot continue valid UTF-8.
    bool AddByte(unsigned char byte);

    bool m_valid = true;
    int m_pending = 0;            // continuation bytes still expected
    unsigned char m_lower = 0x80; // allowed range of the next continuation byte
    unsigned char m_upper = 0xBF;
};
