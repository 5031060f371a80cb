// The loads as they were before they took their rows as they were parsed: each
// reads the whole file into a RowTableReader's table and then walks the table.
// A load reads its settings and each row through the same loader operations as
// the streaming load (CWellPath::ReadPoint, CWellHead::ReadWellHead, ...); only
// the road the rows take differs. The loaders given are bound to the records
// given; their own reader is never used.
#pragma once

#include "fuzz/runners/RowTableReader.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"

#include <list>

namespace welldata::reference {

bool LoadPath(CWellPath& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path);
bool LoadLas(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path,
             COMMON::STRUCT_WELL_CURVE& curves);
bool LoadTable(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_CURVE& curves);
bool LoadLog(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path,
             COMMON::STRUCT_WELL_CURVE& curves);
bool LoadWellHeads(const CWellHead& loader, RowTableReader& reader,
                   std::list<COMMON::STRUCT_WELL_HEAD>& heads);
bool LoadCoreAnalysis(RowTableReader& reader, std::list<COMMON::STRUCT_CURVE_ITEM>& items);
bool LoadCoreDescription(const CRockCoreDescribe& loader, RowTableReader& reader,
                         COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record);

// The units of a LAS load by name, carried from one load to the next.
struct LasUnits {
    bool settled = false;
    COMMON::ENUM_COOR_UNIT coorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT depthUnit = COMMON::COOR_UNIT_M;
};

// CLoadData::ReadFile(path) of a LAS file: read, the unit question, LoadLas,
// the rows dropped. `loader` is fresh, as a load object's is.
bool ReadLasByName(CWellLog& loader, RowTableReader& reader, const std::wstring& file,
                   LasUnits& units, COMMON::STRUCT_WELL_PATH& path,
                   COMMON::STRUCT_WELL_CURVE& curves);

} // namespace welldata::reference
