// A row that holds its cells' text itself, for a row that must outlive the
// line it came from: a wrapped record growing line by line, a row held back.
#pragma once

#include "reader/RowView.h"

#include <string>
#include <string_view>
#include <vector>

class OwnedRow {
public:
    void Clear();
    // Appends copies of `cells`.
    void Append(RowView cells);
    std::size_t Size() const { return m_ends.size(); }
    // Views of the cells, valid until the row changes.
    RowView Cells();

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
    std::vector<std::string_view> m_views;
};
