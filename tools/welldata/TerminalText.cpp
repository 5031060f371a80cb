#include "TerminalText.h"

#include <iterator>

namespace {

struct Range {
    wchar_t first;
    wchar_t last;
};

// East Asian wide and fullwidth characters (the main blocks).
constexpr Range kWideRanges[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F}, {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

constexpr Range kZeroWidthRanges[] = {
    {0x0300, 0x036F},
    {0x200B, 0x200F},
    {0xFE00, 0xFE0F},
    {0xFEFF, 0xFEFF},
};

bool InRanges(wchar_t c, const Range* begin, const Range* end) {
    for (const Range* range = begin; range != end; ++range) {
        if (c >= range->first && c <= range->last)
            return true;
    }
    return false;
}

} // namespace

size_t TerminalText::CharacterWidth(wchar_t c) {
    if (InRanges(c, std::begin(kZeroWidthRanges), std::end(kZeroWidthRanges)))
        return 0;
    return InRanges(c, std::begin(kWideRanges), std::end(kWideRanges)) ? 2 : 1;
}

size_t TerminalText::Width(std::wstring_view text) {
    size_t width = 0;
    for (wchar_t c : text)
        width += CharacterWidth(c);
    return width;
}

std::wstring TerminalText::PadRight(std::wstring_view text, size_t width) {
    const size_t used = Width(text);
    return std::wstring(text) + std::wstring(used < width ? width - used : 0, L' ');
}

std::wstring TerminalText::PadLeft(std::wstring_view text, size_t width) {
    const size_t used = Width(text);
    return std::wstring(used < width ? width - used : 0, L' ') + std::wstring(text);
}

std::wstring TerminalText::KeepEnd(std::wstring_view text, size_t width) {
    if (Width(text) <= width)
        return std::wstring(text);
    const size_t room = width > 3 ? width - 3 : 0;
    size_t used = 0;
    size_t start = text.size();
    while (start > 0 && used + CharacterWidth(text[start - 1]) <= room)
        used += CharacterWidth(text[--start]);
    return L"..." + std::wstring(text.substr(start));
}

std::wstring TerminalText::KeepStart(std::wstring_view text, size_t width) {
    if (Width(text) <= width)
        return std::wstring(text);
    const size_t room = width > 3 ? width - 3 : 0;
    size_t used = 0;
    size_t end = 0;
    while (end < text.size() && used + CharacterWidth(text[end]) <= room)
        used += CharacterWidth(text[end++]);
    return std::wstring(text.substr(0, end)) + L"...";
}
