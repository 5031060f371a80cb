// Text laid out in a terminal's character cells, where CJK characters take two
// cells: column widths of the summary table and of the progress line.
#pragma once

#include <string>
#include <string_view>

class TerminalText {
public:
    // Cells `text` takes: 2 for East Asian wide characters, 0 for combining
    // marks, 1 otherwise.
    static size_t Width(std::wstring_view text);
    // `text` with blanks added up to `width` cells, on the right (or the left
    // for numbers).
    static std::wstring PadRight(std::wstring_view text, size_t width);
    static std::wstring PadLeft(std::wstring_view text, size_t width);
    // The end of `text` that fits in `width` cells, "..." in front when cut.
    static std::wstring KeepEnd(std::wstring_view text, size_t width);
    // The start of `text` that fits in `width` cells, "..." after it when cut.
    static std::wstring KeepStart(std::wstring_view text, size_t width);

private:
    static size_t CharacterWidth(wchar_t c);
};
