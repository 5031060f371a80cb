// Lists the depths of the data rows of a LAS file that do not hold one value
// per curve, for the message that asks the user to check them.
#pragma once

#include <string>
#include <string_view>

class LasDepthReport {
public:
    // Adds the depth of one bad row, given as the row's first cell.
    void Add(std::wstring_view depthCell);
    bool IsEmpty() const { return m_text.empty(); }
    // The depths separated by ",", the last one followed by "." instead; a CR LF
    // starts a new line whenever the text has reached another 100 characters.
    std::wstring Text() const;

    // The text a depth cell contributes: long cells are cut three digits after
    // the decimal point.
    static std::wstring_view DepthText(std::wstring_view cell);

private:
    static constexpr size_t kLineLength = 100;

    std::wstring m_text;
    size_t m_breakMark = kLineLength;
};
