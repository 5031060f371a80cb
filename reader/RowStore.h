// The rows a read keeps for those who look at them afterwards (the previews
// of the import dialogs, the well head table for the host): each row's cells
// in their kept form (reader/CellText.h), back to back in large blocks, and the
// file line each row came from. A row costs about the bytes of its line.
#pragma once

#include "reader/LineMap.h"
#include "reader/RowView.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class RowStore {
public:
    void Clear();
    // Keeps a copy of `cells`, a row from file line `line`.
    void Add(RowView cells, std::size_t line);

    std::size_t Size() const { return m_rows.size(); }
    bool Empty() const { return m_rows.empty(); }
    // Row `index`; its views live in `views`, valid until the store changes or
    // `views` is used again.
    RowView Get(std::size_t index, std::vector<std::string_view>& views) const;
    std::size_t Line(std::size_t index) const { return m_lines.Line(index); }

private:
    // Where a row starts: its block and its offset in it.
    struct Place {
        std::uint32_t block;
        std::uint32_t offset;
    };

    char* Reserve(std::size_t bytes, Place& place);

    // Each block is reserved whole and never grows past it, so that rows
    // never move.
    std::vector<std::string> m_blocks;
    std::deque<Place> m_rows;
    LineMap m_lines;
};
