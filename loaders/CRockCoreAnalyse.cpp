#include "loaders/CRockCoreAnalyse.h"

// TODO(loaders): the rock core analysis loader.
CRockCoreAnalyse::CRockCoreAnalyse(CDataFileReader* reader,
                                   std::list<COMMON::STRUCT_CURVE_ITEM>* items)
    : m_pItems(items), m_pReader(reader) {}
CRockCoreAnalyse::~CRockCoreAnalyse() = default;
void CRockCoreAnalyse::SetColumnList(const std::list<COMMON::STRUCT_CURVE_ITEM>&) {}
bool CRockCoreAnalyse::Load() {
    return false;
}
void CRockCoreAnalyse::CopySettingsFrom(const CRockCoreAnalyse&) {}
