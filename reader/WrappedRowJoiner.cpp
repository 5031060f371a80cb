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

bool WrappedRowJoiner::Join(RowTable& rows) const {
    if (m_curveCount == 0 || rows.empty())
        return false;
    RowTable records;
    Row record;
    record.reserve(m_curveCount);
    size_t totalCells = 0;
    bool whole = true;
    while (!rows.empty() && whole) {
        Row line = std::move(rows.front());
        rows.pop_front();
        totalCells += line.size();
        if (record.size() == m_curveCount) {
            records.push_back(std::move(record));
            record = StartRecord(line, m_curveCount);
        } else if (record.size() < m_curveCount && line.size() <= m_curveCount - record.size()) {
            MoveCells(line, record);
        } else {
            whole = false;
        }
    }
    if (record.size() == m_curveCount)
        records.push_back(std::move(record));
    rows = std::move(records);
    return whole && rows.size() * m_curveCount == totalCells;
}
