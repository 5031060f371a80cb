#include "loaders/CRockCoreDescribe.h"

#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "reader/CDataFileReader.h"
#include "reader/LoadReportRecorder.h"
#include "reader/RowConsumer.h"

#include <list>

namespace {

// The number in `column` of the row as a float; 0 when the cell is missing or
// not a number (which goes to `note`).
template <class Cells>
float DepthAt(const Cells& row, std::uint16_t column, const TextCellNote& note) {
    double value = 0.0;
    if (column >= row.size())
        return 0.0f;
    if (!welldata::CellNumber(row[column], value)) {
        note(column);
        return 0.0f;
    }
    return static_cast<float>(value);
}

} // namespace

// The intervals of the data rows of a read, as they come. Row 0 is the file's
// header whatever the header-row flag says.
class CRockCoreDescribe::IntervalCollector : public RowConsumer {
public:
    IntervalCollector(const CRockCoreDescribe& loader, const CDataFileReader& reader)
        : m_loader(loader), m_reader(reader) {}

    void TakeRow(const ReadRow& row) override {
        if (row.index == 0)
            return;
        const auto note = [this, &row](std::size_t column) {
            m_textCells.NoteTextCell(row.index, column, row.line);
        };
        COMMON::STRUCT_ROCK_CORE_DESCRIBE interval;
        if (m_loader.ReadInterval(row.cells, interval, TextCellNote(note)))
            m_intervals.push_back(std::move(interval));
    }
    std::list<COMMON::STRUCT_ROCK_CORE_DESCRIBE>& Intervals() { return m_intervals; }
    // The cells read as 0 go to the reader's report once the read has
    // succeeded: a read that fails keeps none.
    void ReportTextCells() const { m_reader.MergeTextCells(m_textCells, 1); }

private:
    const CRockCoreDescribe& m_loader;
    const CDataFileReader& m_reader;
    std::list<COMMON::STRUCT_ROCK_CORE_DESCRIBE> m_intervals;
    LoadReportRecorder m_textCells;
};

CRockCoreDescribe::CRockCoreDescribe(CDataFileReader* reader,
                                     COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL* record)
    : m_pReader(reader), m_pRecord(record) {}

CRockCoreDescribe::~CRockCoreDescribe() = default;

void CRockCoreDescribe::SetDescribeName(const std::wstring& name) {
    m_strDescribeName = name;
}

void CRockCoreDescribe::TakeChoices(const welldata::CoreDescriptionChoices& choices) {
    if (choices.topColumn >= 0)
        SetTopColumn(static_cast<std::uint16_t>(choices.topColumn));
    if (choices.bottomColumn >= 0)
        SetBottomColumn(static_cast<std::uint16_t>(choices.bottomColumn));
    if (choices.descriptionColumn >= 0)
        SetDescribeColumn(static_cast<std::uint16_t>(choices.descriptionColumn));
    if (!choices.descriptionName.empty())
        SetDescribeName(choices.descriptionName);
}

template <class Cells>
bool CRockCoreDescribe::ReadInterval(const Cells& row, COMMON::STRUCT_ROCK_CORE_DESCRIBE& interval,
                                     const TextCellNote& note) const {
    if (row.empty())
        return false;
    interval.fTop = DepthAt(row, m_nTopColumn, note);
    interval.fBottom = DepthAt(row, m_nBottomColumn, note);
    if (m_nDescribeColumn < row.size())
        interval.strDescribe = welldata::CellWide(row[m_nDescribeColumn]);
    return true;
}

template bool CRockCoreDescribe::ReadInterval(const Row&, COMMON::STRUCT_ROCK_CORE_DESCRIBE&,
                                              const TextCellNote&) const;
template bool CRockCoreDescribe::ReadInterval(const RowView&, COMMON::STRUCT_ROCK_CORE_DESCRIBE&,
                                              const TextCellNote&) const;

bool CRockCoreDescribe::Load() {
    if (!welldata::IsReadable(m_pReader) || !welldata::IsReadable(m_pRecord))
        return false;
    IntervalCollector intervals(*this, *m_pReader);
    if (!m_pReader->Read(CDataFileReader::kReadAll, intervals))
        return false;
    intervals.ReportTextCells();
    if (!m_strDescribeName.empty())
        m_pRecord->strColumnName = m_strDescribeName;

    // Without the header-row flag the count reaches one past the table, whose
    // empty row gives no interval.
    const int count = m_pReader->GetRowCount();
    m_pRecord->lstItems.splice(m_pRecord->lstItems.end(), intervals.Intervals());
    StepProgress(m_pReader->GetProgressCtrl(), count, false).AdvanceThrough(1, count);
    return true;
}

void CRockCoreDescribe::CopySettingsFrom(const CRockCoreDescribe& other) {
    m_nTopColumn = other.m_nTopColumn;
    m_nBottomColumn = other.m_nBottomColumn;
    m_nDescribeColumn = other.m_nDescribeColumn;
    m_strDescribeName = other.m_strDescribeName;
}
