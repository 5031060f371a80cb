#include "reader/LineCells.h"

#include "reader/CellSplitter.h"
#include "reader/CellText.h"

#include <array>

namespace {

enum ByteKind : unsigned char { kCellByte, kSeparator, kLineEnd };

// Tab, blank, ",", ":" and ";" separate cells; LF and CR are dropped from them.
constexpr std::array<unsigned char, 256> kByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (unsigned char c : {'\t', ' ', ',', ':', ';'})
        kinds[c] = kSeparator;
    kinds['\n'] = kinds['\r'] = kLineEnd;
    return kinds;
}();

ByteKind KindOf(char c) {
    return static_cast<ByteKind>(kByteKinds[static_cast<unsigned char>(c)]);
}

} // namespace

void LineCells::Start(std::size_t textBytes) {
    m_cells.clear();
    m_text.clear();
    // Reserved whole, so that the views into it stay valid while it fills.
    m_text.reserve(textBytes);
}

void LineCells::SplitAscii(std::string_view line) {
    Start(line.size());
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    for (const char* p = begin; p != end;) {
        if (KindOf(*p) == kSeparator) {
            ++p;
            continue;
        }
        const char* const start = p;
        bool lineEnds = false;
        for (; p != end && KindOf(*p) != kSeparator; ++p)
            lineEnds = lineEnds || KindOf(*p) == kLineEnd;
        if (!lineEnds) {
            m_cells.emplace_back(start, static_cast<std::size_t>(p - start));
            continue;
        }
        // A run of only line ends is still a cell, now empty, as it was delimited.
        const std::size_t offset = m_text.size();
        for (const char* c = start; c != p; ++c) {
            if (KindOf(*c) != kLineEnd)
                m_text += *c;
        }
        m_cells.emplace_back(m_text.data() + offset, m_text.size() - offset);
    }
}

void LineCells::SplitWide(std::wstring_view line) {
    welldata::SplitCells(line, m_wideCells);
    Start(0);
    m_ends.clear();
    for (const std::wstring& cell : m_wideCells) {
        welldata::AppendCellText(cell, m_text);
        m_ends.push_back(m_text.size());
    }
    // The views are taken once the text has stopped growing.
    std::size_t start = 0;
    for (std::size_t end : m_ends) {
        m_cells.emplace_back(m_text.data() + start, end - start);
        start = end;
    }
}

void LineCells::PadTo(std::size_t width, std::string_view cell) {
    while (m_cells.size() < width)
        m_cells.push_back(cell);
}
