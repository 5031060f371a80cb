#include "reader/OwnedRow.h"

void OwnedRow::Clear() {
    m_text.clear();
    m_ends.clear();
    m_views.clear();
}

void OwnedRow::Append(RowView cells) {
    for (std::string_view cell : cells) {
        m_text += cell;
        m_ends.push_back(m_text.size());
    }
}

RowView OwnedRow::Cells() {
    m_views.clear();
    std::size_t start = 0;
    for (std::size_t end : m_ends) {
        m_views.emplace_back(m_text.data() + start, end - start);
        start = end;
    }
    return m_views;
}
