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
    if (m_curveCount == 0 || rows.empty())
        return false;
    RowTable records;
    while (!rows.empty() && m_whole) {
        Row line = std::move(rows.front());
        rows.pop_front();
        Add(std::move(line), records);
    }
    rows = std::move(records);
    return Finish(rows);
}

void WrappedRowJoiner::Add(Row line, RowTable& records) {
    if (!m_whole)
        return;
    if (!m_anyLine)
        m_record.reserve(m_curveCount);
    m_anyLine = true;
    m_totalCells += line.size();
    if (m_record.size() == m_curveCount) {
        records.push_back(std::move(m_record));
        m_record = StartRecord(line, m_curveCount);
    } else if (m_record.size() < m_curveCount && line.size() <= m_curveCount - m_record.size()) {
        MoveCells(line, m_record);
    } else {
        m_whole = false;
    }
}

bool WrappedRowJoiner::Finish(RowTable& records) {
    if (m_curveCount > 0 && m_record.size() == m_curveCount)
        records.push_back(std::move(m_record));
    m_record = Row();
    return m_curveCount > 0 && m_anyLine && m_whole &&
           records.size() * m_curveCount == m_totalCells;
}
