// Tells whether a stream of bytes is valid UTF-8, fed in pieces of any size:
// the test behind choosing a data file's code page by its bytes.
#pragma once

#include <string_view>

namespace welldata {

class Utf8Validator {
public:
    void Add(std::string_view bytes);
    // Whether everything fed so far is valid UTF-8, ending on a whole character.
    bool IsUtf8() const { return m_valid && m_pending == 0; }
    // False once a byte could not continue valid UTF-8.
    bool IsValidSoFar() const { return m_valid; }

private:
    bool AddByte(unsigned char byte);

    bool m_valid = true;
    int m_pending = 0;            // continuation bytes still expected
    unsigned char m_lower = 0x80; // allowed range of the next continuation byte
    unsigned char m_upper = 0xBF;
};

} // namespace welldata
