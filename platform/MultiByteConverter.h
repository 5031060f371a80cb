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
    static bool IsAvailable(const std::string& codePage);

private:
    // Used when iconv does not know the code page: ASCII passes, the rest is U+FFFD.
    static std::wstring FromAsciiOrReplacement(std::string_view bytes);
    // Runs `converter` over `input`, writing `replacement` for every input unit
    // of `inputUnit` bytes it cannot convert.
    static std::string Convert(iconv_t converter, std::string_view input, size_t inputUnit,
                               std::string_view replacement);

    std::string m_codePage;
    bool m_asciiCompatible;
    iconv_t m_toWide = reinterpret_cast<iconv_t>(-1);
    iconv_t m_toMultiByte = reinterpret_cast<iconv_t>(-1);
};

} // namespace welldata
