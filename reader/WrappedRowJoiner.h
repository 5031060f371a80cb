// Joins the data lines of a wrapped LAS file (WRAP YES: one depth step spread
// over several lines) back into one row per depth step.
#pragma once

#include "reader/RowTable.h"

#include <cstddef>

class WrappedRowJoiner {
public:
    explicit WrappedRowJoiner(size_t curveCount) : m_curveCount(curveCount) {}

    // Replaces `rows` by the joined records. False when there are no curves or no
    // rows, or when the cells do not form whole records: a line that holds more
    // values than its record still needs means a record was split across lines.
    bool Join(RowTable& rows) const;

private:
    size_t m_curveCount;
};
