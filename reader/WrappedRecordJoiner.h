// Joins the data lines of a wrapped LAS file into records as the lines are
// parsed, by the rule of reader/WrapJoinRule.h, holding only the record being
// joined: the streaming form of WrappedRowJoiner, for kept cells.
#pragma once

#include "reader/OwnedRow.h"
#include "reader/WrapJoinRule.h"

class WrappedRecordJoiner {
public:
    explicit WrappedRecordJoiner(std::size_t curveCount) : m_rule(curveCount) {}

    // Takes the cells of the next line; true when the line finished a record,
    // which Finished() then gives. Lines after a broken one are ignored.
    bool Add(RowView line);
    // After the last line: true when the record left is complete, which
    // Finished() then gives.
    bool TakeLast();
    // The record just finished, valid until the next Add or TakeLast.
    RowView Finished() { return m_finished.Cells(); }
    // After TakeLast: whether every cell belongs to a complete record.
    bool Joined() const { return m_rule.Joined(m_records); }

private:
    void FinishRecord();

    WrapJoinRule m_rule;
    OwnedRow m_record;
    OwnedRow m_finished;
    std::size_t m_records = 0;
};
