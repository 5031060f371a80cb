// Where a well is at each point of its path: the positions a host draws and
// reports, computed from a loaded path record in whichever layout the file
// used. The record itself is only read; the loaders keep storing the file's
// own layout.
//
// Conventions
// - Axes: north is +Y and east is +X of the map grid, true vertical depth grows
//   downwards. `x` = head X + east, `y` = head Y + north.
// - Lengths are in the path's own unit (metres for every loaded path whose
//   units were declared) and the well head must be given in the same unit.
// - TVD is measured down from the kelly bushing, as MD is. TVDSS = TVD - KB:
//   the depth below mean sea level, positive downwards, so that both depths
//   grow in the same direction and a well head at sea level has TVDSS = TVD.
// - MD, INCL, AZIM (nDataType 0 and 4): minimum curvature. Inclination from
//   vertical, azimuth clockwise from grid north, in radians when nAngleUnit is
//   1 and degrees otherwise; azimuths are taken as stored (a quarter turn the
//   loader applied to reach true north is already in them, and 359 to 1 is a
//   2 degree turn, not 358). The path is tied to the well head: the first
//   station is reached from MD 0 at the head, vertical, along a minimum
//   curvature arc (a first station at MD 0 sits at the head).
// - TVD, DX, DY (1), TVD, X, Y (2) and X, Y, Z (3): positions as given, DX east
//   and DY north of the head. Z is an elevation (positive up) by default, so
//   TVD = KB - Z; `ZConvention::DepthBelowSeaLevel` reads it as TVDSS instead.
//   MD is the file's when any point holds a non-zero MD; otherwise it is the
//   sum of the chord lengths from the well head (exact for straight holes,
//   slightly short on bends).
// - Dogleg severity, in degrees per 30 length units (per 30 m), describes how
//   the path bent to reach each station. MD, INCL, AZIM: the dogleg of the
//   interval ending at the station (the first station's from the vertical tie
//   at the head, 0 when it is at MD 0). Position layouts: the angle between
//   the chords arriving at the station and at the one before, per MD between
//   the chords' midpoints (exact on circular arcs); 0 at the first two
//   stations and where a chord has no length.
// - Points are skipped, never interpolated, and each skipped point is listed
//   with its index in dqPoints and the reason: a null marker of the loaders
//   (-9999, -999, -999.25, -999.125, -9999.25, -9999.125) or a value that is
//   not finite in a field this layout reads, an MD that does not go down the
//   hole (not above the previous station's; for a layout without MD, a point
//   that repeats the previous position), or a layout code the helper does not
//   know (every point). The record's own null value is not compared: it is in
//   the file's units, the points may have been converted to metres, and the
//   loader has turned every cell matching it into -9999 already.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"

#include <cstddef>
#include <vector>

namespace welldata {

// The well head in the path's length unit: map position and kelly bushing
// elevation above mean sea level.
struct WellHeadLocation {
    double x = 0.0;
    double y = 0.0;
    double kb = 0.0;
};

// What Z of the X, Y, Z layout measures.
enum class ZConvention {
    Elevation,          // above mean sea level, positive up: TVD = KB - Z
    DepthBelowSeaLevel, // TVDSS, positive down: TVD = Z + KB
};

struct WellPathStation {
    std::size_t pointIndex = 0; // the point's index in the record's dqPoints
    double md = 0.0;
    double tvd = 0.0;
    double tvdss = 0.0;
    double north = 0.0;
    double east = 0.0;
    double x = 0.0;
    double y = 0.0;
    double doglegSeverity = 0.0; // degrees per 30 length units
};

enum class SkipReason {
    NullValue,       // a null marker in a field the layout reads
    NotFinite,       // NaN or infinity in such a field
    MdNotIncreasing, // MD not above the previous station's, or a repeated position
    UnknownLayout,   // nDataType outside 0 to 4
};

// "a null value", "not a number", "MD not down the hole", "unknown layout".
WELLDATA_API const wchar_t* DescribeSkipReason(SkipReason reason);

struct SkippedPathPoint {
    std::size_t pointIndex = 0;
    SkipReason reason = SkipReason::NullValue;
};

class WELLDATA_API WellPathPositions {
public:
    WellPathPositions(const COMMON::STRUCT_WELL_PATH& path, const WellHeadLocation& head,
                      ZConvention zConvention = ZConvention::Elevation);
    // The head's dX, dY and fKB.
    WellPathPositions(const COMMON::STRUCT_WELL_PATH& path, const COMMON::STRUCT_WELL_HEAD& head,
                      ZConvention zConvention = ZConvention::Elevation);

    // One station per point that was not skipped, in the record's order.
    const std::vector<WellPathStation>& GetStations() const { return m_stations; }
    // The points left out, in the record's order.
    const std::vector<SkippedPathPoint>& GetSkippedPoints() const { return m_skipped; }
    // True when MD was summed from chord lengths because the points hold none.
    bool IsMdFromChords() const { return m_bMdFromChords; }

private:
    std::vector<WellPathStation> m_stations;
    std::vector<SkippedPathPoint> m_skipped;
    bool m_bMdFromChords = false;
};

} // namespace welldata
