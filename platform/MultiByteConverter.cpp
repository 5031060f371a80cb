#include "platform/MultiByteConverter.h"

#include "welldata/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace welldata {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const wchar_t kWideReplacement = 0xFFFD;
const std::string_view kWideReplacementBytes(reinterpret_cast<const char*>(&kWideReplacement),
                                             sizeof kWideReplacement);

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// `text` converted whole from `from` to `to`; nothing when iconv knows either not.
std::optional<std::string> ConvertWhole(const char* to, const char* from, std::string_view text,
                                        std::string_view replacement) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == kNoConverter)
        return std::nullopt;
    std::string out;
    MultiByteConverter::Convert(converter, text, 1, replacement, MultiByteConverter::Piece::Whole,
                                out);
    iconv_close(converter);
    return out;
}

// Ends the text in the initial shift state of a stateful code page; returns
// the bytes of `out` used.
size_t FlushShiftState(iconv_t converter, std::string& out, size_t produced) {
    for (;;) {
        char* outPtr = out.data() + produced;
        size_t outLeft = out.size() - produced;
        if (iconv(converter, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1) ||
            errno != E2BIG)
            return out.size() - outLeft;
        out.resize(out.size() * 2);
    }
}

} // namespace

MultiByteConverter::MultiByteConverter(std::string codePage)
    : m_codePage(std::move(codePage)), m_asciiCompatible(IsAsciiCompatible(m_codePage)),
      m_unit(CodeUnitSize(m_codePage)) {}

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

bool MultiByteConverter::IsAsciiCompatible(const std::string& codePage) {
    // Decoded together, so that a byte which shifts state or starts a longer
    // sequence shows in the bytes after it.
    std::string ascii;
    for (int c = 1; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    const auto wide = ConvertWhole("WCHAR_T", codePage.c_str(), ascii, kWideReplacementBytes);
    if (!wide)
        return true;
    if (wide->size() != ascii.size() * sizeof(wchar_t))
        return false;
    for (size_t i = 0; i < ascii.size(); ++i) {
        wchar_t c = 0;
        std::memcpy(&c, wide->data() + i * sizeof c, sizeof c);
        if (c != static_cast<wchar_t>(ascii[i]))
            return false;
    }
    return true;
}

size_t MultiByteConverter::CodeUnitSize(const std::string& codePage) {
    // A second "A" adds one unit (a byte order mark, if the code page writes
    // one, comes once).
    const auto one = ConvertWhole(codePage.c_str(), "UTF-8", "A", "?");
    const auto two = ConvertWhole(codePage.c_str(), "UTF-8", "AA", "?");
    if (!one || !two || two->size() <= one->size())
        return 1;
    return two->size() - one->size();
}

std::wstring MultiByteConverter::ToWide(std::string_view bytes) {
    if (m_asciiCompatible && IsAscii(bytes))
        return std::wstring(bytes.begin(), bytes.end());
    if (m_toWide == kNoConverter)
        m_toWide = iconv_open("WCHAR_T", m_codePage.c_str());
    if (m_toWide == kNoConverter)
        return FromAsciiOrReplacement(bytes);
    std::string wide;
    Convert(m_toWide, bytes, m_unit, kWideReplacementBytes, Piece::Whole, wide);
    std::wstring out(wide.size() / sizeof(wchar_t), L'\0');
    std::memcpy(out.data(), wide.data(), out.size() * sizeof(wchar_t));
    return out;
}

std::wstring MultiByteConverter::FromAsciiOrReplacement(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? static_cast<wchar_t>(byte) : kWideReplacement;
    }
    return out;
}

std::string MultiByteConverter::ToMultiByte(std::wstring_view text) {
    if (m_toMultiByte == kNoConverter)
        m_toMultiByte = iconv_open(m_codePage.c_str(), "WCHAR_T");
    std::string out;
    if (m_toMultiByte == kNoConverter) {
        for (wchar_t c : text)
            out += c < 0x80 ? static_cast<char>(c) : '?';
        return out;
    }
    Convert(
        m_toMultiByte,
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)),
        sizeof(wchar_t), "?", Piece::Whole, out);
    return out;
}

size_t MultiByteConverter::Convert(iconv_t converter, std::string_view input, size_t inputUnit,
                                   std::string_view replacement, Piece piece, std::string& out) {
    const bool fresh = piece == Piece::Whole;
    if (fresh)
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    size_t produced = out.size();
    out.resize(produced + input.size() * 4 + 8);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
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
        if (errno == EINVAL && piece == Piece::Middle)
            break; // the rest of the sequence comes with the next piece
        // EILSEQ or EINVAL: one replacement, then go on after the unit that failed.
        out.replace(produced, replacement.size(), replacement);
        produced += replacement.size();
        const size_t skip = std::min(inLeft, inputUnit);
        in += skip;
        inLeft -= skip;
        // A stream keeps its state (a byte order already read, for one).
        if (fresh)
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    if (piece != Piece::Middle)
        produced = FlushShiftState(converter, out, produced);
    out.resize(produced);
    return input.size() - inLeft;
}

} // namespace welldata
