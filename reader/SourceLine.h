// One non-empty line of a data file as the reader splits it off: the line's
// bytes when it is ASCII (their wide text is the same characters), else its
// wide text in the data code page; and the 1-based file line, blank lines
// counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct SourceLine {
    std::string_view bytes;             // the line itself, when `wide` is null
    const std::wstring* wide = nullptr; // the line decoded, when it is not ASCII
    std::size_t fileLine = 0;

    bool IsAscii() const { return wide == nullptr; }
    // The line as wide text, whichever form it came in.
    std::wstring Wide() const {
        return wide != nullptr ? *wide : std::wstring(bytes.begin(), bytes.end());
    }
    // The first character.
    wchar_t Front() const {
        return wide != nullptr ? wide->front() : static_cast<wchar_t>(bytes.front());
    }
};

// Takes the lines a read splits off, in file order.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void TakeLine(const SourceLine& line) = 0;
};
