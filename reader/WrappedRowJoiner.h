// Joins the data lines of a wrapped LAS file (WRAP YES: one depth step spread
// over several lines) back into one row per depth step.
#pragma once

#include "reader/RowTable.h"
#include "reader/WrapJoinRule.h"

#include <cstddef>

class WrappedRowJoiner {
public:
    explicit WrappedRowJoiner(size_t curveCount) : m_rule(curveCount) {}

    // Replaces `rows` by the joined records. False when there are no curves or no
    // rows, or when the cells do not form whole records: a line that holds more
    // values than its record still needs means a record was split across lines.
    bool Join(RowTable& rows);

    // The same, one line at a time as the lines are parsed, so the lines are
    // never all held at once: Add appends finished records to `records`, Finish
    // appends the last one and tells whether the join succeeded. Lines after a
    // failure are ignored, as Join stops at the first one. Needs curves.
    void Add(Row line, RowTable& records);
    bool Finish(RowTable& records);

private:
    WrapJoinRule m_rule;
    Row m_record;
};
