#include "loaders/CRockCoreDescribe.h"

#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "reader/CDataFileReader.h"
#include "reader/StrictNumber.h"

namespace {

// The number in `column` of row `index` as a float; 0 when the cell is missing
// or not a number (which the reader notes).
float DepthAt(const CDataFileReader& reader, int index, const Row& row, std::uint16_t column) {
    double value = 0.0;
    if (column >= row.size())
        return 0.0f;
    if (!welldata::ParseStrictDouble(row[column], value)) {
        reader.NoteTextCell(index, column);
        return 0.0f;
    }
    return static_cast<float>(value);
}

} // namespace

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

bool CRockCoreDescribe::Load() {
    if (!welldata::IsReadable(m_pReader) || !welldata::IsReadable(m_pRecord))
        return false;
    if (!m_pReader->Read(CDataFileReader::kReadAll))
        return false;
    if (!m_strDescribeName.empty())
        m_pRecord->strColumnName = m_strDescribeName;

    // Row 0 is the file's header whatever the header-row flag says; without the
    // flag the last index lies past the table and yields no row.
    const int count = m_pReader->GetRowCount();
    StepProgress progress(m_pReader->GetProgressCtrl(), count, false);
    for (int i = 1; i <= count; ++i) {
        progress.Advance(i);
        const Row row = m_pReader->GetRow(i);
        if (row.empty())
            continue;
        COMMON::STRUCT_ROCK_CORE_DESCRIBE interval;
        interval.fTop = DepthAt(*m_pReader, i, row, m_nTopColumn);
        interval.fBottom = DepthAt(*m_pReader, i, row, m_nBottomColumn);
        if (m_nDescribeColumn < row.size())
            interval.strDescribe = row[m_nDescribeColumn];
        m_pRecord->lstItems.push_back(std::move(interval));
    }
    return true;
}

void CRockCoreDescribe::CopySettingsFrom(const CRockCoreDescribe& other) {
    m_nTopColumn = other.m_nTopColumn;
    m_nBottomColumn = other.m_nBottomColumn;
    m_nDescribeColumn = other.m_nDescribeColumn;
    m_strDescribeName = other.m_strDescribeName;
}
