#include "loaders/CWellLog.h"

// TODO(loaders): the well log loader.
CWellLog::CWellLog(CDataFileReader* reader, COMMON::STRUCT_WELL_PATH* path,
                   COMMON::STRUCT_WELL_CURVE* curves)
    : CWellPath(reader, path), m_pCurves(curves) {}
CWellLog::~CWellLog() = default;
bool CWellLog::ParseRow(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point) {
    CWellPath::ParseRow(row, point);
    return true;
}
bool CWellLog::SetCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>&) {
    return false;
}
void CWellLog::SetNullValues(const std::vector<float>&) {}
void CWellLog::SetGroupName(const std::wstring&) {}
void CWellLog::SetGroupMode(std::int32_t) {}
void CWellLog::SetSkipNullValues(bool) {}
bool CWellLog::LoadLas() {
    return false;
}
bool CWellLog::LoadTable() {
    return false;
}
bool CWellLog::LoadLog() {
    return false;
}
void CWellLog::ReplaceNull(double&, const std::vector<float>&) {}
void CWellLog::CopySettingsFrom(const CWellLog& other) {
    CWellPath::CopySettingsFrom(other);
}
