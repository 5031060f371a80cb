#include "platform/MultiByteConverter.h"

#include "welldata/CodePage.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace welldata {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Code pages in which every byte below 0x80 stands for the same ASCII character,
// so plain ASCII text can skip iconv.
bool IsAsciiCompatible(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    for (const char* wide : {"UTF-16", "UTF16", "UCS-2", "UCS2", "UTF-32", "UTF32", "UCS-4", "UCS4",
                             "UTF-7", "UTF7", "EBCDIC", "IBM037", "CP037"}) {
        if (name.find(wide) != std::string::npos)
            return false;
    }
    return true;
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

MultiByteConverter::MultiByteConverter(std::string codePage)
    : m_codePage(std::move(codePage)), m_asciiCompatible(IsAsciiCompatible(m_codePage)) {}

MultiByteConverter::MultiByteConverter() : MultiByteConverter(GetDataCodePage()) {}

MultiByteConverter::~MultiByteConverter() {
    if (m_toWide != kNoConverter)
        iconv_close(m_toWide);
    if (m_toMultiByte != kNoConverter)
        iconv_close(m_toMultiByte);
}

bool MultiByteConverter::IsAvailable(const std::string& codePage) {
    iconv_t probe = iconv_open("WCHAR_T", codePage.c_str());
    if (probe == kNoConverter)
        return false;
    iconv_close(probe);
    return true;
}

std::wstring MultiByteConverter::ToWide(std::string_view bytes) {
    if (m_asciiCompatible && IsAscii(bytes))
        return std::wstring(bytes.begin(), bytes.end());
    if (m_toWide == kNoConverter)
        m_toWide = iconv_open("WCHAR_T", m_codePage.c_str());
    if (m_toWide == kNoConverter)
        return FromAsciiOrReplacement(bytes);
    const wchar_t replacement = 0xFFFD;
    const std::string wide =
        Convert(m_toWide, bytes, 1,
                std::string_view(reinterpret_cast<const char*>(&replacement), sizeof replacement));
    std::wstring out(wide.size() / sizeof(wchar_t), L'\0');
    std::memcpy(out.data(), wide.data(), out.size() * sizeof(wchar_t));
    return out;
}

std::wstring MultiByteConverter::FromAsciiOrReplacement(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? static_cast<wchar_t>(byte) : L'\xFFFD';
    }
    return out;
}

std::string MultiByteConverter::ToMultiByte(std::wstring_view text) {
    if (m_toMultiByte == kNoConverter)
        m_toMultiByte = iconv_open(m_codePage.c_str(), "WCHAR_T");
    if (m_toMultiByte == kNoConverter) {
        std::string out;
        for (wchar_t c : text)
            out += c < 0x80 ? static_cast<char>(c) : '?';
        return out;
    }
    return Convert(
        m_toMultiByte,
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)),
        sizeof(wchar_t), "?");
}

std::string MultiByteConverter::Convert(iconv_t converter, std::string_view input, size_t inputUnit,
                                        std::string_view replacement) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string out(input.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    size_t produced = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + produced;
        size_t outLeft = out.size() - produced;
        const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        produced = out.size() - outLeft;
        if (result != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG || out.size() - produced < replacement.size()) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL: one replacement, then go on after the unit that failed.
        out.replace(produced, replacement.size(), replacement);
        produced += replacement.size();
        const size_t skip = std::min(inLeft, inputUnit);
        in += skip;
        inLeft -= skip;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    // Flush any shift state of stateful code pages.
    for (;;) {
        char* outPtr = out.data() + produced;
        size_t outLeft = out.size() - produced;
        if (iconv(converter, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1) ||
            errno != E2BIG) {
            produced = out.size() - outLeft;
            break;
        }
        out.resize(out.size() * 2);
    }
    out.resize(produced);
    return out;
}

} // namespace welldata
