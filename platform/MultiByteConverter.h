// Conversion between wide text and a multibyte code page (the data code page by
// default), through iconv.
#pragma once

#include <iconv.h>
#include <string>
#include <string_view>

namespace welldata {

class MultiByteConverter {
public:
    explicit MultiByteConverter(std::string codePage);
    // Uses the data code page current at construction.
    MultiByteConverter();
    ~MultiByteConverter();
    MultiByteConverter(const MultiByteConverter&) = delete;
    MultiByteConverter& operator=(const MultiByteConverter&) = delete;

    // Decodes `bytes`; every invalid or truncated sequence becomes one U+FFFD,
    // so a bad byte never loses the rest of the text.
    std::wstring ToWide(std::string_view bytes);
    // Encodes `text`; characters the code page cannot hold become "?".
    std::string ToMultiByte(std::wstring_view text);

    const std::string& CodePage() const { return m_codePage; }
    // Whether ASCII text decodes to the same characters (IsAsciiCompatible
    // of the code page), so that ToWide widens it byte by byte.
    bool KeepsAscii() const { return m_asciiCompatible; }
    static bool IsAvailable(const std::string& codePage);
    // Whether every byte below 0x80 stands for its ASCII character wherever it
    // is, so that lines can be found in the bytes themselves: true for GB18030,
    // UTF-8 and the 8-bit code pages, false for UTF-16, UTF-32, UTF-7 and the
    // EBCDIC ones. A code page iconv does not know passes ASCII, so it counts.
    static bool IsAsciiCompatible(const std::string& codePage);
    // The bytes of one code unit: 2 for UTF-16, 4 for UTF-32, else 1. A bad
    // sequence is skipped one unit at a time, so that the text after it stays
    // aligned.
    static size_t CodeUnitSize(const std::string& codePage);

    // How a piece of input stands to the text around it.
    enum class Piece {
        Whole,  // a text of its own, converted from the initial state
        Middle, // a piece of a stream with more to come: the state carries on
                // and a sequence cut at its end waits for the next piece
        Last,   // the last piece of a stream
    };
    // Runs `converter` over `input`, appending to `out` and writing
    // `replacement` for every input unit of `inputUnit` bytes it cannot convert
    // (a sequence cut at the end of a Whole or Last piece included). Returns the
    // input bytes used: all but the cut end of a Middle piece.
    static size_t Convert(iconv_t converter, std::string_view input, size_t inputUnit,
                          std::string_view replacement, Piece piece, std::string& out);

private:
    // Used when iconv does not know the code page: ASCII passes, the rest is U+FFFD.
    static std::wstring FromAsciiOrReplacement(std::string_view bytes);

    std::string m_codePage;
    bool m_asciiCompatible;
    size_t m_unit;
    iconv_t m_toWide = reinterpret_cast<iconv_t>(-1);
    iconv_t m_toMultiByte = reinterpret_cast<iconv_t>(-1);
};

} // namespace welldata
