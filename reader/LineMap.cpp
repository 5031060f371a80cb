#include "reader/LineMap.h"

#include <algorithm>

void LineMap::Add(std::size_t index, std::size_t line) {
    const std::size_t distance = line - index;
    if (m_breaks.empty() || m_breaks.back().second != distance)
        m_breaks.emplace_back(index, distance);
}

std::size_t LineMap::Line(std::size_t index) const {
    auto after = std::upper_bound(
        m_breaks.begin(), m_breaks.end(), index,
        [](std::size_t wanted, const auto& stretch) { return wanted < stretch.first; });
    if (after == m_breaks.begin())
        return 0;
    return index + std::prev(after)->second;
}
