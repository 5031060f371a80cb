#include "loaders/CWellHead.h"

// TODO(loaders): the well head loader.
CWellHead::CWellHead(CDataFileReader* reader, std::list<COMMON::STRUCT_WELL_HEAD>* wellHeads)
    : m_pWellHeads(wellHeads), m_pReader(reader) {}
CWellHead::~CWellHead() = default;
void CWellHead::SetXUnit(std::int32_t) {}
void CWellHead::SetYUnit(std::int32_t) {}
void CWellHead::SetKBUnit(std::int32_t) {}
void CWellHead::SetTopDepthUnit(std::int32_t) {}
void CWellHead::SetBottomDepthUnit(std::int32_t) {}
void CWellHead::ResetWellHead(COMMON::STRUCT_WELL_HEAD*) {}
bool CWellHead::ParseWellHead(Row, COMMON::STRUCT_WELL_HEAD*) const {
    return false;
}
bool CWellHead::Load() {
    return false;
}
void CWellHead::CopySettingsFrom(const CWellHead&) {}
