// The choices an import dialog collects for one load, as plain records that a
// host without dialogs fills as well, and the rules over them that every host
// needs. Each loader takes its record in the order the dialog's OK hands the
// choices over, so a dialog, CLoadData::ReadFile and the welldata command load
// a file the same way.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

// Which columns the points of a well path hold.
enum PathDataType : std::int32_t {
    PATH_MD_INCL_AZIM = 0,
    PATH_TVD_DX_DY = 1,
    PATH_TVD_X_Y = 2,
    PATH_X_Y_Z = 3,
    PATH_LOG_MD_INCL_AZIM = 4, // MD, INCL, AZIM read out of a well log file
};

enum AngleUnit : std::int32_t { ANGLE_DEGREES = 0, ANGLE_RADIANS = 1 };

enum DepthReference : std::int32_t {
    DEPTH_REF_KELLY_BUSHING = 0,
    DEPTH_REF_MEAN_SEA_LEVEL = 1,
    DEPTH_REF_OTHER = 2,
};

namespace welldata {

// The positions in PathColumnAssignment::columns.
enum class PathColumn { Md, Incl, Azim, Tvd, Dx, Dy, X, Y, Z };
inline constexpr int kPathColumnCount = 9;

// The well path layout and columns as the data and unit pages report them.
// A record starts zeroed, as the dialogs create it.
struct PathColumnAssignment {
    std::int32_t angleUnit = ANGLE_DEGREES;
    std::int32_t dataType = PATH_MD_INCL_AZIM;
    // 1-based file columns in PathColumn order; 0 for none.
    std::array<std::uint16_t, kPathColumnCount> columns{};
    bool hasNullValue = false;
    bool hasMd = false;
    float nullValue = 0.0f; // read when hasNullValue is set
    std::int32_t convertUnits = 0;
    COMMON::ENUM_COOR_UNIT coordinateUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT depthUnit = COMMON::COOR_UNIT_M;
    bool azimuthTrueNorth = false; // add a quarter turn to every azimuth

    std::uint16_t& Column(PathColumn column) { return columns[static_cast<size_t>(column)]; }
    std::uint16_t Column(PathColumn column) const { return columns[static_cast<size_t>(column)]; }
};

// The well log import's choices: the curves to load, the settings page and the
// unit page, and the well path the same columns may carry.
struct WellLogChoices {
    // One item per curve to load: strName, nColumn (1-based), strType ("depth"
    // in any case marks the depth curve) and strUnit, as the data page lists
    // them; the hand-over normalises units and display names first.
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    bool skipNullValues = false;
    std::vector<float> nullValues{kNullValue};
    // A single well load hands it over when not empty (its dialog never fills
    // it); a multi-well batch always hands it over, an empty name included.
    std::wstring groupName;
    std::int32_t groupMode = 1; // 0 a new curve group, 1 merged into the first
    std::int32_t depthReference = DEPTH_REF_KELLY_BUSHING;
    float referenceElevation = 0.0f; // read for DEPTH_REF_OTHER
    bool convertUnits = false;
    COMMON::ENUM_COOR_UNIT coordinateUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT depthUnit = COMMON::COOR_UNIT_M; // converts the depth curve
    // Read only when withWellPath: dataType, columns (MD is the depth curve),
    // hasNullValue and nullValue. Its unit and angle fields are not read.
    PathColumnAssignment path;
    bool withWellPath = false;
};

// The well heads import's choices. Columns are 0-based, -1 for none.
struct WellHeadChoices {
    int nameColumn = -1;
    int xColumn = -1;
    int yColumn = -1;
    int wellTypeColumn = -1;
    int topDepthColumn = -1;
    int bottomDepthColumn = -1;
    int kbColumn = -1;
    bool wellTypeUsed = false;
    bool topDepthUsed = false;
    bool bottomDepthUsed = false;
    bool kbUsed = false;
    // The "选择单位" box: the units below are handed over only when it is set.
    bool unitsChosen = false;
    COMMON::ENUM_COOR_UNIT xUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT yUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT kbUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT topDepthUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT bottomDepthUnit = COMMON::COOR_UNIT_M;
};

// The rock core analysis import's choice: one item per column to load, with
// strName its title and nColumn its 0-based column.
struct CoreAnalysisChoices {
    std::list<COMMON::STRUCT_CURVE_ITEM> columns;
};

// The rock core description import's choices. Columns are 0-based, -1 for
// none; an empty name keeps the record's column name.
struct CoreDescriptionChoices {
    int topColumn = -1;
    int bottomColumn = -1;
    int descriptionColumn = -1;
    std::wstring descriptionName;
};

// The two log imports rewrite slightly different unit texts.
enum class LogImport { SingleWell, MultiWell };

// A length unit's name as the dialogs' unit lists show it: "m", "in", "ft",
// "dm", "cm"; "m" for a code outside 0 to 4.
WELLDATA_API const wchar_t* CoorUnitName(COMMON::ENUM_COOR_UNIT unit);
// The unit one of those names stands for, in any letter case; false for any
// other text.
WELLDATA_API bool FindCoorUnit(std::wstring_view name, COMMON::ENUM_COOR_UNIT& unit);

// "MD, INCL, AZIM" (types 0 and 4), "TVD, DX, DY", "TVD, X, Y", "X, Y, Z";
// "unknown" for another type.
WELLDATA_API const wchar_t* PathLayoutName(std::int32_t dataType);
// "MD", "INCL", "AZIM", "TVD", "DX", "DY", "X", "Y" or "Z".
WELLDATA_API const wchar_t* PathColumnName(PathColumn column);

// The columns a path layout needs: INCL, AZIM and MD for MD, INCL, AZIM
// (types 0 and 4); the layout's three and MD for TVD, DX, DY and TVD, X, Y;
// X, Y and Z for X, Y, Z. None for another type.
WELLDATA_API std::vector<PathColumn> RequiredPathColumns(std::int32_t dataType);
WELLDATA_API bool IsAssignmentComplete(const PathColumnAssignment& assignment);
// The columns the assignment's layout needs and it does not give.
WELLDATA_API std::vector<PathColumn> MissingPathColumns(const PathColumnAssignment& assignment);
// "井轨迹数据不完整，请重新选择或校正数据文件。" for an incomplete assignment,
// null for a complete one.
WELLDATA_API const wchar_t* PathAssignmentProblem(const PathColumnAssignment& assignment);

// The columns the points of a path of `dataType` hold, in the layout's order:
// MD, INCL, AZIM; else the layout's three columns, after MD when `withMd`.
WELLDATA_API std::vector<PathColumn> PathPointColumns(std::int32_t dataType, bool withMd);
// What a point of a path of `dataType` holds in `column` (its slots hold a
// 32-bit or a 64-bit float by the layout); 0 for a column it does not hold.
WELLDATA_API double PathPointValue(const COMMON::STRUCT_WELL_PATH_POINT& point,
                                   std::int32_t dataType, PathColumn column);
// Whether `column` is a 64-bit float in that layout: X and Y of TVD, X, Y and
// X, Y, Z. The others are 32-bit floats.
WELLDATA_API bool IsDoublePathColumn(std::int32_t dataType, PathColumn column);

// Whether a curve's type is "depth" in any letter case: the depth curve.
WELLDATA_API bool IsDepthCurve(const COMMON::STRUCT_CURVE_ITEM& curve);
// The curves whose type is "depth" in any letter case.
WELLDATA_API int CountDepthCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves);
// The log dialogs' message for a curve list with `depthCurves` depth curves;
// null when there is exactly one.
WELLDATA_API const wchar_t* DepthCurveProblem(int depthCurves);
// Sets each curve's display name from the settings file, flags ohm-metre
// curves logarithmic and rewrites Chinese unit names ("米" to "m", ...).
WELLDATA_API void NormalizeCurveUnits(std::list<COMMON::STRUCT_CURVE_ITEM>& curves,
                                      LogImport import);

// The well heads dialog's message for the first missing required column
// (name, X, Y in this order); null when all three are chosen.
WELLDATA_API const wchar_t* WellHeadChoicesProblem(const WellHeadChoices& choices);

} // namespace welldata
