// Records and enumerations that the library and its host exchange.
// Every record is a plain value: it owns its strings and containers and
// copying it copies everything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <string>
#include <vector>

namespace welldata {

// The value a loaded record holds where the file had no data: every cell that
// matches one of the file's or the user's null values.
inline constexpr float kNullValue = -9999.0f;

} // namespace welldata

namespace COMMON {

// Kind of load a CLoadData object performs.
enum LOAD_DATA_TYPE : std::int32_t {
    LDT_WELL_HEAD = 0,
    LDT_WELL_PATH = 1,
    LDT_WELL_DATA = 2,
    LDT_RESERVED = 3,
    LDT_NEW_WELL_HEAD = 4,
    LDT_MULTI_WELL_LOG = 5,
};

// Format of the file the data file reader parses; any other value fails every read.
enum WELL_LOG_DATA_FORMAT : std::int32_t {
    WLDF_TEXT = 0,
    WLDF_LAS = 1,
};

// Length unit of coordinates or depths; the codes are also the positions in the
// five-entry unit lists of the dialogs ("m", "in", "ft", "dm", "cm").
enum ENUM_COOR_UNIT : std::int32_t {
    COOR_UNIT_M = 0,
    COOR_UNIT_IN = 1,
    COOR_UNIT_FT = 2,
    COOR_UNIT_DM = 3,
    COOR_UNIT_CM = 4,
};

struct STRUCT_WELL_HEAD {
    std::wstring strWellName;
    std::wstring strWellType;
    double dX = 0.0;
    double dY = 0.0;
    float fTopDepth = 0.0f;
    float fBottomDepth = 0.0f;
    float fKB = 0.0f;
    std::int32_t nReserved = 0;
    double dX2 = 0.0;
    double dY2 = 0.0;
};

// One 8-byte slot of a path point: a 32-bit float in its first four bytes or a
// 64-bit float, chosen by the path's nDataType.
union PATH_POINT_SLOT {
    double dValue = 0.0;
    float fValue;
};
static_assert(sizeof(PATH_POINT_SLOT) == 8, "a path point slot is 8 bytes");
static_assert(offsetof(PATH_POINT_SLOT, fValue) == 0, "the float overlays the first four bytes");

struct STRUCT_WELL_PATH_POINT {
    float fMD = 0.0f;
    float fInclOrDepth = 0.0f;
    PATH_POINT_SLOT uAzimOrX;
    PATH_POINT_SLOT uY;
};
static_assert(offsetof(STRUCT_WELL_PATH_POINT, fMD) == 0);
static_assert(offsetof(STRUCT_WELL_PATH_POINT, fInclOrDepth) == 4);
static_assert(offsetof(STRUCT_WELL_PATH_POINT, uAzimOrX) == 8);
static_assert(offsetof(STRUCT_WELL_PATH_POINT, uY) == 16);
static_assert(sizeof(STRUCT_WELL_PATH_POINT) == 24);

struct STRUCT_WELL_PATH {
    double dReserved1 = 0.0;
    double dReserved2 = 0.0;
    bool bHasNullValue = false;
    float fNullValue = 0.0f;
    std::int32_t nAngleUnit = 0;
    std::int32_t nDataType = 1;
    std::deque<STRUCT_WELL_PATH_POINT> dqPoints;
};

struct STRUCT_CURVE_ITEM {
    std::wstring strName;
    std::wstring strDisplayName;
    std::int32_t nColumn = 0;
    std::wstring strType;
    std::wstring strUnit;
    std::vector<float> vecValues;
    bool bLogarithmic = false;
    std::int32_t nReserved1 = 0;
    std::int32_t nReserved2 = 0;
};

struct STRUCT_WELL_CURVE {
    bool bReserved = true;
    bool bSkipNullValues = false;
    std::vector<float> vecNullValues{welldata::kNullValue};
    bool bReserved2 = false;
    bool bWithWellPath = false;
    std::wstring strGroupName;
    std::list<STRUCT_CURVE_ITEM> lstCurves;
    std::int32_t nGroupMode = 0;
};

struct STRUCT_ROCK_CORE_DESCRIBE {
    float fTop = 0.0f;
    float fBottom = 0.0f;
    std::wstring strDescribe;
};

struct STRUCT_ROCK_CORE_DESCRIBE_ALL {
    std::wstring strColumnName;
    std::list<STRUCT_ROCK_CORE_DESCRIBE> lstItems;
};

} // namespace COMMON
