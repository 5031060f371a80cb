#include "loaders/CRockCoreAnalyse.h"

#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "reader/CDataFileReader.h"
#include "reader/ColumnCollector.h"

CRockCoreAnalyse::CRockCoreAnalyse(CDataFileReader* reader,
                                   std::list<COMMON::STRUCT_CURVE_ITEM>* items)
    : m_pItems(items), m_pReader(reader) {}

CRockCoreAnalyse::~CRockCoreAnalyse() = default;

void CRockCoreAnalyse::SetColumnList(const std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    if (!items.empty() && welldata::IsReadable(m_pItems))
        *m_pItems = items;
}

std::vector<int> CRockCoreAnalyse::ItemColumns() const {
    std::vector<int> columns;
    if (welldata::IsReadable(m_pItems)) {
        for (const COMMON::STRUCT_CURVE_ITEM& item : *m_pItems) {
            if (item.nColumn >= 0)
                columns.push_back(item.nColumn);
        }
    }
    return columns;
}

bool CRockCoreAnalyse::Load() {
    if (!welldata::IsReadable(m_pReader))
        return false;
    ColumnCollector collector(*m_pReader);
    collector.Collect(ItemColumns(), ColumnCollector::ValueCallback());
    // A read that fails keeps none of the cells it read as 0.
    collector.HoldTextCells();
    if (!m_pReader->Read(CDataFileReader::kReadAll, collector))
        return false;
    if (!welldata::IsReadable(m_pItems) || m_pItems->empty())
        return false;

    const int columns = m_pReader->GetColumnCount();
    std::vector<std::vector<float>> values = collector.TakeValues();
    auto taken = values.begin();
    StepProgress progress(m_pReader->GetProgressCtrl(), static_cast<long long>(m_pItems->size()),
                          false);
    long long index = 0;
    for (COMMON::STRUCT_CURVE_ITEM& item : *m_pItems) {
        progress.Advance(index++);
        if (item.nColumn < 0)
            continue;
        // A column the table does not have keeps the values the item already holds.
        if (item.nColumn < columns)
            item.vecValues = std::move(*taken);
        ++taken;
    }
    return true;
}

// The column list is the load object's own record, which the load object copies
// itself; the loader holds no other setting.
void CRockCoreAnalyse::CopySettingsFrom(const CRockCoreAnalyse&) {}
