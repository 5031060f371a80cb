#include "reader/CellText.h"

#include <cstdint>

namespace welldata {

namespace {

// The largest character each sequence length holds: 1 byte up to 0x7F, 2 up
// to 0x7FF, ..., 6 up to 0x7FFFFFFF; 7 bytes (lead byte 0xFE) hold the rest.
constexpr std::uint32_t kSequenceLimits[] = {0x80, 0x800, 0x10000, 0x200000, 0x4000000, 0x80000000};
constexpr int kLongestSequence = 7;

int SequenceLength(std::uint32_t c) {
    int length = 1;
    for (std::uint32_t limit : kSequenceLimits) {
        if (c < limit)
            return length;
        ++length;
    }
    return kLongestSequence;
}

// The sequence length a lead byte announces: its leading one bits.
int LeadLength(unsigned char lead) {
    int length = 0;
    while (length < 8 && (lead & (0x80u >> length)) != 0)
        ++length;
    return length == 0 ? 1 : length;
}

} // namespace

bool IsAsciiText(std::string_view bytes) {
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

void AppendCellText(std::wstring_view text, std::string& out) {
    for (wchar_t wide : text) {
        const auto c = static_cast<std::uint32_t>(wide);
        const int length = SequenceLength(c);
        if (length == 1) {
            out += static_cast<char>(c);
            continue;
        }
        // The lead byte carries the length in its leading ones and the highest
        // bits; each continuation byte (10xxxxxx) six more bits.
        const unsigned lead = (0xFF00u >> length) & 0xFFu;
        const int leadBits = length == kLongestSequence ? 0 : 7 - length;
        const std::uint64_t bits = c;
        out += static_cast<char>(lead | ((bits >> (6 * (length - 1))) & ((1u << leadBits) - 1)));
        for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
            out += static_cast<char>(0x80u | ((bits >> shift) & 0x3Fu));
    }
}

std::wstring CellToWide(std::string_view cell) {
    std::wstring text;
    text.reserve(cell.size());
    for (size_t i = 0; i < cell.size();) {
        const auto lead = static_cast<unsigned char>(cell[i]);
        const int length = LeadLength(lead);
        if (length == 1) {
            text += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        const int leadBits = length >= kLongestSequence ? 0 : 7 - length;
        std::uint64_t bits = lead & ((1u << leadBits) - 1);
        for (int k = 1; k < length && i + static_cast<size_t>(k) < cell.size(); ++k)
            bits = (bits << 6) | (static_cast<unsigned char>(cell[i + k]) & 0x3Fu);
        text += static_cast<wchar_t>(static_cast<std::uint32_t>(bits));
        i += static_cast<size_t>(length);
    }
    return text;
}

} // namespace welldata
