#include "reader/WrappedRowJoiner.h"

#include <algorithm>
#include <iterator>

namespace {

void MoveCells(Row& from, Row& to) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// A record is reserved whole so that joining its lines never grows it twice.
Row StartRecord(Row& line, size_t curveCount) {
    Row record;
    record.reserve(std::max(curveCount, line.size()));
    MoveCells(line, record);
    return record;
}

} // namespace

bool WrappedRowJoiner::Join(RowTable& rows) {
    if (m_rule.CurveCount() == 0 || rows.empty())
        return false;
    RowTable records;
    while (!rows.empty() && m_rule.IsWhole()) {
        Row line = std::move(rows.front());
        rows.pop_front();
        Add(std::move(line), records);
    }
    rows = std::move(records);
    return Finish(rows);
}

void WrappedRowJoiner::Add(Row line, RowTable& records) {
    if (!m_rule.IsWhole())
        return;
    if (!m_rule.AnyLine())
        m_record.reserve(m_rule.CurveCount());
    switch (m_rule.Next(m_record.size(), line.size())) {
    case WrapJoinRule::Step::StartNext:
        records.push_back(std::move(m_record));
        m_record = StartRecord(line, m_rule.CurveCount());
        break;
    case WrapJoinRule::Step::Append:
        MoveCells(line, m_record);
        break;
    case WrapJoinRule::Step::Broken:
        break;
    }
}

bool WrappedRowJoiner::Finish(RowTable& records) {
    if (m_rule.IsComplete(m_record.size()))
        records.push_back(std::move(m_record));
    m_record = Row();
    return m_rule.Joined(records.size());
}
