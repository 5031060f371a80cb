#include "loaders/CRockCoreDescribe.h"

// TODO(loaders): the rock core description loader.
CRockCoreDescribe::CRockCoreDescribe(CDataFileReader* reader,
                                     COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL* record)
    : m_pReader(reader), m_pRecord(record) {}
CRockCoreDescribe::~CRockCoreDescribe() = default;
void CRockCoreDescribe::SetDescribeName(const std::wstring&) {}
bool CRockCoreDescribe::Load() {
    return false;
}
void CRockCoreDescribe::CopySettingsFrom(const CRockCoreDescribe&) {}
