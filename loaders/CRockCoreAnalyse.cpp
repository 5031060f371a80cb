#include "loaders/CRockCoreAnalyse.h"

#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "reader/CDataFileReader.h"

CRockCoreAnalyse::CRockCoreAnalyse(CDataFileReader* reader,
                                   std::list<COMMON::STRUCT_CURVE_ITEM>* items)
    : m_pItems(items), m_pReader(reader) {}

CRockCoreAnalyse::~CRockCoreAnalyse() = default;

void CRockCoreAnalyse::SetColumnList(const std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    if (!items.empty() && welldata::IsReadable(m_pItems))
        *m_pItems = items;
}

bool CRockCoreAnalyse::Load() {
    if (!welldata::IsReadable(m_pReader) || !m_pReader->Read(CDataFileReader::kReadAll))
        return false;
    if (!welldata::IsReadable(m_pItems) || m_pItems->empty())
        return false;

    const int columns = m_pReader->GetColumnCount();
    StepProgress progress(m_pReader->GetProgressCtrl(), static_cast<long long>(m_pItems->size()),
                          false);
    long long index = 0;
    for (COMMON::STRUCT_CURVE_ITEM& item : *m_pItems) {
        progress.Advance(index++);
        // A column the table does not have keeps the values the item already holds.
        if (item.nColumn >= 0 && item.nColumn < columns)
            item.vecValues = m_pReader->GetColumn(item.nColumn);
    }
    return true;
}

// The column list is the load object's own record, which the load object copies
// itself; the loader holds no other setting.
void CRockCoreAnalyse::CopySettingsFrom(const CRockCoreAnalyse&) {}
