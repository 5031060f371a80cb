// Which line of the file each item of a sequence (the raw lines, the rows)
// came from. Items come from increasing lines, mostly one after the other, so
// only the places where the distance between item and line changes (a blank
// line, a skipped units line, a wrapped record) are kept.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class LineMap {
public:
    void Clear() { m_breaks.clear(); }
    // Item `index` came from the 1-based file line `line`; items are added in
    // increasing order, each from a later line than the one before.
    void Add(std::size_t index, std::size_t line);
    // The file line of item `index`; 0 when nothing was added.
    std::size_t Line(std::size_t index) const;

private:
    // (first item, line minus item) of each stretch of items.
    std::vector<std::pair<std::size_t, std::size_t>> m_breaks;
};
