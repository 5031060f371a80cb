#include "welldata/WellPathPositions.h"

#include "loaders/CWellPath.h"
#include "loaders/PathNullMarker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace welldata {
namespace {

constexpr double kDoglegLength = 30.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// An offset or a direction: north, east, down.
struct Vector3 {
    double north = 0.0;
    double east = 0.0;
    double down = 0.0;
};

Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.north + b.north, a.east + b.east, a.down + b.down};
}
Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.north - b.north, a.east - b.east, a.down - b.down};
}
Vector3 operator*(const Vector3& a, double factor) {
    return {a.north * factor, a.east * factor, a.down * factor};
}
double Dot(const Vector3& a, const Vector3& b) {
    return a.north * b.north + a.east * b.east + a.down * b.down;
}
double Length(const Vector3& a) {
    return std::sqrt(Dot(a, a));
}

// The angle between two directions, accurate for tiny angles as well (an arc
// cosine of the dot product loses them to rounding).
double AngleBetween(const Vector3& a, const Vector3& b) {
    const Vector3 cross{a.east * b.down - a.down * b.east, a.down * b.north - a.north * b.down,
                        a.north * b.east - a.east * b.north};
    return std::atan2(Length(cross), Dot(a, b));
}

// Unit direction of the hole at an inclination from vertical and an azimuth
// clockwise from north, both in radians.
Vector3 Tangent(double inclination, double azimuth) {
    return {std::sin(inclination) * std::cos(azimuth), std::sin(inclination) * std::sin(azimuth),
            std::cos(inclination)};
}

// Minimum curvature's ratio factor 2/b tan(b/2) for a dogleg b in radians. Near
// zero the quotient would lose its digits (and divide 0 by 0 on a straight
// interval), so its series takes over; the first term left out is below 1e-20.
double RatioFactor(double dogleg) {
    if (dogleg < 1e-3) {
        const double squared = dogleg * dogleg;
        return 1.0 + squared / 12.0 + squared * squared / 120.0;
    }
    return 2.0 / dogleg * std::tan(dogleg / 2.0);
}

double DoglegSeverity(double angle, double mdSpan) {
    return mdSpan > 0.0 ? angle * kDegreesPerRadian / mdSpan * kDoglegLength : 0.0;
}

bool IsSurvey(std::int32_t dataType) {
    return dataType == PATH_MD_INCL_AZIM || dataType == PATH_LOG_MD_INCL_AZIM;
}
bool IsKnownLayout(std::int32_t dataType) {
    return dataType >= PATH_MD_INCL_AZIM && dataType <= PATH_LOG_MD_INCL_AZIM;
}

// One point's fields as doubles: `depth` is INCL, TVD or Z, `first` AZIM, DX or
// X, `second` DY or Y (unused by a survey); the slot widths follow the layout.
struct PathReading {
    std::size_t index = 0;
    double md = 0.0;
    double depth = 0.0;
    double first = 0.0;
    double second = 0.0;
};

PathReading ReadPoint(std::int32_t dataType, std::size_t index,
                      const COMMON::STRUCT_WELL_PATH_POINT& point) {
    PathReading reading{index, point.fMD, point.fInclOrDepth};
    if (dataType == PATH_TVD_X_Y || dataType == PATH_X_Y_Z) {
        reading.first = point.uAzimOrX.dValue;
        reading.second = point.uY.dValue;
    } else {
        reading.first = point.uAzimOrX.fValue;
        reading.second = dataType == PATH_TVD_DX_DY ? point.uY.fValue : 0.0;
    }
    return reading;
}

// Why a reading cannot be used, if it cannot; `readsMd` says whether MD is one
// of the fields the layout reads.
bool FindFieldProblem(const PathReading& reading, bool readsMd, SkipReason& reason) {
    const double fields[] = {reading.depth, reading.first, reading.second,
                             readsMd ? reading.md : 0.0};
    for (double field : fields) {
        if (!std::isfinite(field)) {
            reason = SkipReason::NotFinite;
            return true;
        }
    }
    for (double field : fields) {
        if (IsPathNullMarker(field)) {
            reason = SkipReason::NullValue;
            return true;
        }
    }
    return false;
}

// Layouts other than a survey carry MD only when the loader was given an MD
// column; a point that never had one keeps its zero.
bool PointsHoldMd(const COMMON::STRUCT_WELL_PATH& path) {
    return std::any_of(
        path.dqPoints.begin(), path.dqPoints.end(),
        [](const COMMON::STRUCT_WELL_PATH_POINT& point) { return point.fMD != 0.0f; });
}

// Builds the stations of one path; skipped points are collected as they are met.
class StationBuilder {
public:
    StationBuilder(const WellHeadLocation& head, ZConvention zConvention,
                   std::vector<WellPathStation>& stations, std::vector<SkippedPathPoint>& skipped)
        : m_head(head), m_zConvention(zConvention), m_stations(stations), m_skipped(skipped) {}

    void Skip(std::size_t index, SkipReason reason) { m_skipped.push_back({index, reason}); }

    // MD, INCL, AZIM by minimum curvature from a vertical tie at the head.
    void AddSurvey(const std::vector<PathReading>& readings, double radiansPerUnit) {
        double previousMd = 0.0;
        Vector3 previousTangent{0.0, 0.0, 1.0};
        Vector3 position;
        for (const PathReading& reading : readings) {
            const bool first = m_stations.empty();
            if (first ? reading.md < 0.0 : reading.md <= previousMd) {
                Skip(reading.index, SkipReason::MdNotIncreasing);
                continue;
            }
            const Vector3 tangent =
                Tangent(reading.depth * radiansPerUnit, reading.first * radiansPerUnit);
            const double mdSpan = reading.md - previousMd;
            const double dogleg = AngleBetween(previousTangent, tangent);
            position =
                position + (previousTangent + tangent) * (mdSpan / 2.0 * RatioFactor(dogleg));
            WellPathStation& station = Add(reading, reading.md, position);
            station.doglegSeverity = DoglegSeverity(dogleg, mdSpan);
            previousMd = reading.md;
            previousTangent = tangent;
        }
    }

    // TVD, DX, DY; TVD, X, Y; X, Y, Z: positions as given, MD from the points
    // or summed along the chords from the head.
    void AddPositions(const std::vector<PathReading>& readings, std::int32_t dataType,
                      bool mdFromChords) {
        Vector3 previous;
        double previousMd = 0.0;
        for (const PathReading& reading : readings) {
            const Vector3 position = PositionOf(reading, dataType);
            const double md = mdFromChords ? previousMd + Length(position - previous) : reading.md;
            if (!m_stations.empty() && md <= previousMd) {
                Skip(reading.index, SkipReason::MdNotIncreasing);
                continue;
            }
            WellPathStation& station = Add(reading, md, position);
            if (dataType != PATH_TVD_DX_DY) { // the file's own map coordinates, unrounded
                station.x = reading.first;
                station.y = reading.second;
            }
            previous = position;
            previousMd = md;
        }
        AddChordDoglegs();
    }

private:
    WellPathStation& Add(const PathReading& reading, double md, const Vector3& position) {
        WellPathStation& station = m_stations.emplace_back();
        station.pointIndex = reading.index;
        station.md = md;
        station.tvd = position.down;
        station.tvdss = position.down - m_head.kb;
        station.north = position.north;
        station.east = position.east;
        station.x = m_head.x + position.east;
        station.y = m_head.y + position.north;
        return station;
    }

    Vector3 PositionOf(const PathReading& reading, std::int32_t dataType) const {
        if (dataType == PATH_TVD_DX_DY)
            return {reading.second, reading.first, reading.depth};
        const double north = reading.second - m_head.y;
        const double east = reading.first - m_head.x;
        if (dataType == PATH_TVD_X_Y)
            return {north, east, reading.depth};
        const double tvd = m_zConvention == ZConvention::Elevation ? m_head.kb - reading.depth
                                                                   : reading.depth + m_head.kb;
        return {north, east, tvd};
    }

    // The bend between the chords arriving at a station and at the one before,
    // per MD between the chords' midpoints: on a circular arc the chords turn
    // by half the arc angle of both intervals, so this is the arc's curvature.
    void AddChordDoglegs() {
        for (std::size_t i = 2; i < m_stations.size(); ++i) {
            const Vector3 before = PositionAt(i - 1) - PositionAt(i - 2);
            const Vector3 arriving = PositionAt(i) - PositionAt(i - 1);
            const bool bothHaveLength = Length(before) > 0.0 && Length(arriving) > 0.0;
            const double mdSpan = (m_stations[i].md - m_stations[i - 2].md) / 2.0;
            m_stations[i].doglegSeverity =
                bothHaveLength ? DoglegSeverity(AngleBetween(before, arriving), mdSpan) : 0.0;
        }
    }

    Vector3 PositionAt(std::size_t i) const {
        return {m_stations[i].north, m_stations[i].east, m_stations[i].tvd};
    }

    WellHeadLocation m_head;
    ZConvention m_zConvention;
    std::vector<WellPathStation>& m_stations;
    std::vector<SkippedPathPoint>& m_skipped;
};

} // namespace

WellPathPositions::WellPathPositions(const COMMON::STRUCT_WELL_PATH& path,
                                     const WellHeadLocation& head, ZConvention zConvention) {
    const std::int32_t dataType = path.nDataType;
    StationBuilder builder(head, zConvention, m_stations, m_skipped);
    if (!IsKnownLayout(dataType)) {
        for (std::size_t i = 0; i < path.dqPoints.size(); ++i)
            builder.Skip(i, SkipReason::UnknownLayout);
        return;
    }
    const bool survey = IsSurvey(dataType);
    m_bMdFromChords = !survey && !PointsHoldMd(path);

    std::vector<PathReading> readings;
    readings.reserve(path.dqPoints.size());
    for (std::size_t i = 0; i < path.dqPoints.size(); ++i) {
        const PathReading reading = ReadPoint(dataType, i, path.dqPoints[i]);
        SkipReason reason;
        if (FindFieldProblem(reading, !m_bMdFromChords, reason))
            builder.Skip(i, reason);
        else
            readings.push_back(reading);
    }

    if (survey) {
        const double radiansPerUnit =
            path.nAngleUnit == ANGLE_RADIANS ? 1.0 : 1.0 / kDegreesPerRadian;
        builder.AddSurvey(readings, radiansPerUnit);
    } else {
        builder.AddPositions(readings, dataType, m_bMdFromChords);
    }
    // Field problems and MD order were found in two passes: back to record order.
    std::sort(m_skipped.begin(), m_skipped.end(),
              [](const SkippedPathPoint& a, const SkippedPathPoint& b) {
                  return a.pointIndex < b.pointIndex;
              });
}

const wchar_t* DescribeSkipReason(SkipReason reason) {
    switch (reason) {
    case SkipReason::NullValue:
        return L"a null value";
    case SkipReason::NotFinite:
        return L"not a number";
    case SkipReason::MdNotIncreasing:
        return L"MD not down the hole";
    case SkipReason::UnknownLayout:
        return L"unknown layout";
    }
    return L"unknown reason";
}

WellPathPositions::WellPathPositions(const COMMON::STRUCT_WELL_PATH& path,
                                     const COMMON::STRUCT_WELL_HEAD& head, ZConvention zConvention)
    : WellPathPositions(path, WellHeadLocation{head.dX, head.dY, head.fKB}, zConvention) {}

} // namespace welldata
