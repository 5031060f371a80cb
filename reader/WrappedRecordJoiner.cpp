#include "reader/WrappedRecordJoiner.h"

#include <utility>

void WrappedRecordJoiner::FinishRecord() {
    std::swap(m_record, m_finished);
    m_record.Clear();
    ++m_records;
}

bool WrappedRecordJoiner::Add(RowView line) {
    if (!m_rule.IsWhole())
        return false;
    switch (m_rule.Next(m_record.Size(), line.size())) {
    case WrapJoinRule::Step::StartNext:
        FinishRecord();
        m_record.Append(line);
        return true;
    case WrapJoinRule::Step::Append:
        m_record.Append(line);
        return false;
    case WrapJoinRule::Step::Broken:
        return false;
    }
    return false;
}

bool WrappedRecordJoiner::TakeLast() {
    if (!m_rule.IsComplete(m_record.Size()))
        return false;
    FinishRecord();
    return true;
}
