#include "welldata/WellPathPositions.h"

#include "welldata/LoadChoices.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

using COMMON::STRUCT_WELL_PATH;
using COMMON::STRUCT_WELL_PATH_POINT;
using welldata::SkipReason;
using welldata::WellHeadLocation;
using welldata::WellPathPositions;
using welldata::WellPathStation;

namespace {

constexpr double kMillimetre = 0.001;
constexpr double kDegree = std::numbers::pi / 180.0;
const WellHeadLocation kHead{20512345.25, 4376210.5, 1193.625}; // KB exact in a float

struct Vec {
    double north, east, down;
};
Vec operator+(Vec a, Vec b) {
    return {a.north + b.north, a.east + b.east, a.down + b.down};
}
Vec operator*(Vec a, double f) {
    return {a.north * f, a.east * f, a.down * f};
}
Vec Direction(double inclinationDegrees, double azimuthDegrees) {
    const double i = inclinationDegrees * kDegree, a = azimuthDegrees * kDegree;
    return {std::sin(i) * std::cos(a), std::sin(i) * std::sin(a), std::cos(i)};
}

// A well in closed form: straight from the head along `start` down to `kickoff`,
// then a circular arc of `radius` turning towards `bend` (a unit vector at right
// angles to `start`), so P = P(kickoff) + R sin(phi) start + R (1 - cos(phi)) bend.
struct ArcWell {
    Vec start;
    Vec bend;
    double kickoff;
    double radius;

    double Phi(double md) const { return md <= kickoff ? 0.0 : (md - kickoff) / radius; }
    Vec TangentAt(double md) const { return start * std::cos(Phi(md)) + bend * std::sin(Phi(md)); }
    Vec PositionAt(double md) const {
        const double straight = std::min(md, kickoff), phi = Phi(md);
        return start * (straight + radius * std::sin(phi)) + bend * (radius * (1 - std::cos(phi)));
    }
    double Severity(double md) const { return md > kickoff ? 30.0 / radius / kDegree : 0.0; }
    // MD, then INCL/TVD/Z, AZIM/DX/X, DY/Y as layout `type` holds them at `md`.
    std::array<double, 4> LayoutValues(int type, double md) const {
        const Vec p = PositionAt(md), t = TangentAt(md);
        switch (type) {
        case PATH_MD_INCL_AZIM:
            return {md, std::acos(t.down) / kDegree,
                    std::fmod(std::atan2(t.east, t.north) / kDegree + 360.0, 360.0), 0.0};
        case PATH_TVD_DX_DY:
            return {md, p.down, p.east, p.north};
        case PATH_TVD_X_Y:
            return {md, p.down, kHead.x + p.east, kHead.y + p.north};
        default: // X, Y, Z with Z the elevation
            return {md, kHead.kb - p.down, kHead.x + p.east, kHead.y + p.north};
        }
    }
};

// 3-D arc: inclination 20 -> 105 degrees, azimuth 40 -> 105 degrees.
const ArcWell kArc{Direction(20, 40), {-0.22066441295, 0.96155892688, -0.16343698174}, 400, 600};
const std::vector<double> kUnevenMds{0,      150, 400,    437.5, 520,      611,
                                     780.25, 801, 1005.5, 1210,  1333.125, 1400};

STRUCT_WELL_PATH MakePath(int type, const std::vector<std::array<double, 4>>& rows,
                          int angleUnit = ANGLE_DEGREES) {
    STRUCT_WELL_PATH path;
    path.nDataType = type;
    path.nAngleUnit = angleUnit;
    const bool doubles = type == PATH_TVD_X_Y || type == PATH_X_Y_Z;
    for (const auto& v : rows) {
        STRUCT_WELL_PATH_POINT& point = path.dqPoints.emplace_back();
        point.fMD = static_cast<float>(v[0]);
        point.fInclOrDepth = static_cast<float>(v[1]);
        if (doubles)
            std::tie(point.uAzimOrX.dValue, point.uY.dValue) = std::tie(v[2], v[3]);
        else
            std::tie(point.uAzimOrX.fValue, point.uY.fValue) =
                std::tuple(float(v[2]), type == PATH_TVD_DX_DY ? float(v[3]) : 0.0f);
    }
    return path;
}

STRUCT_WELL_PATH RecordOf(const ArcWell& well, int type, const std::vector<double>& mds,
                          bool withMd) {
    std::vector<std::array<double, 4>> rows;
    for (double md : mds) {
        rows.push_back(well.LayoutValues(type, md));
        rows.back()[0] = withMd ? md : 0.0;
    }
    return MakePath(type, rows);
}

// Every station on the well within a millimetre, at its MD, turning as the well does.
void ExpectOnWell(const WellPathPositions& positions, const ArcWell& well,
                  const std::vector<double>& mds) {
    ASSERT_EQ(positions.GetStations().size(), mds.size());
    EXPECT_TRUE(positions.GetSkippedPoints().empty());
    for (size_t i = 0; i < mds.size(); ++i) {
        const WellPathStation& station = positions.GetStations()[i];
        const Vec expected = well.PositionAt(mds[i]);
        SCOPED_TRACE("MD " + std::to_string(mds[i]));
        EXPECT_NEAR(station.md, mds[i], kMillimetre);
        EXPECT_NEAR(station.north, expected.north, kMillimetre);
        EXPECT_NEAR(station.east, expected.east, kMillimetre);
        EXPECT_NEAR(station.tvd, expected.down, kMillimetre);
        EXPECT_NEAR(station.tvdss, station.tvd - kHead.kb, 1e-9);
        EXPECT_NEAR(station.x, kHead.x + expected.east, kMillimetre);
        EXPECT_NEAR(station.y, kHead.y + expected.north, kMillimetre);
        // Chords turn by the arc's curvature once both ends lie on it.
        if (mds[i] < well.kickoff || (i >= 2 && mds[i - 2] >= well.kickoff)) {
            EXPECT_NEAR(station.doglegSeverity, well.Severity(mds[i]), 1e-3);
        }
    }
}

} // namespace

TEST(WellPathPositions, ClosedFormWellsAreMetToAMillimetre) {
    const ArcWell vertical{Direction(0, 0), {1, 0, 0}, 1e9, 1};
    const ArcWell slant{Direction(35, 230), Direction(55, 50), 1e9, 1};
    // Horizontal from the head at azimuth 300, round once through north.
    const ArcWell circle{Direction(90, 300), Direction(90, 30), 0, 400};
    std::vector<double> turn{0};
    for (double share : {0.05, 0.11, 0.3, 0.31, 0.5, 0.72, 0.9, 0.97, 1.0})
        turn.push_back(share * 2 * std::numbers::pi * circle.radius);
    const std::vector<double> straight{0, 250, 600, 1000, 1000.5, 2750};
    // The 3-D arc in each layout, the straight wells without MD (summed chords are
    // the true MD of a straight hole from the head).
    const std::tuple<const ArcWell*, const std::vector<double>*, int, bool> cases[] = {
        {&kArc, &kUnevenMds, PATH_MD_INCL_AZIM, true}, {&kArc, &kUnevenMds, PATH_TVD_DX_DY, true},
        {&kArc, &kUnevenMds, PATH_TVD_X_Y, true},      {&kArc, &kUnevenMds, PATH_X_Y_Z, true},
        {&vertical, &straight, PATH_TVD_DX_DY, false}, {&slant, &straight, PATH_X_Y_Z, false},
        {&slant, &straight, PATH_TVD_X_Y, false},      {&circle, &turn, PATH_MD_INCL_AZIM, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [well, mds, type, withMd] = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        const WellPathPositions positions(RecordOf(*well, type, *mds, withMd), kHead);
        ExpectOnWell(positions, *well, *mds);
        EXPECT_EQ(positions.IsMdFromChords(), !withMd);
    }
}

TEST(WellPathPositions, SingleIntervalsGiveTheKnownFigures) {
    const WellPathPositions known(
        MakePath(PATH_MD_INCL_AZIM, {{3500, 15, 20, 0}, {3600, 25, 45, 0}}), kHead);
    const auto& s = known.GetStations();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[1].north - s[0].north, 27.22, 0.005);
    EXPECT_NEAR(s[1].east - s[0].east, 19.45, 0.005);
    EXPECT_NEAR(s[1].tvd - s[0].tvd, 94.01, 0.005);
    // Dogleg 12.9517 degrees over 100; the first station's 15 degrees from the vertical tie.
    EXPECT_NEAR(s[1].doglegSeverity, 12.951651 * 0.3, 1e-5);
    EXPECT_NEAR(s[0].doglegSeverity, 15.0 / 3500 * 30, 1e-6);

    // 1000 m building by 2^-10 radians due north keeps its bend to a micrometre.
    const double i1 = 0.5, i2 = 0.5 + std::ldexp(1.0, -10), radius = 1000 / (i2 - i1);
    const WellPathPositions nearlyStraight(
        MakePath(PATH_MD_INCL_AZIM, {{1000, i1, 0, 0}, {2000, i2, 0, 0}}, ANGLE_RADIANS), kHead);
    const auto& n = nearlyStraight.GetStations();
    EXPECT_NEAR(n[1].north - n[0].north, radius * (std::cos(i1) - std::cos(i2)), 1e-6);
    EXPECT_NEAR(n[1].tvd - n[0].tvd, radius * (std::sin(i2) - std::sin(i1)), 1e-6);

    // Azimuths crossing north turn the short way: due north, by symmetry.
    for (const auto& [before, after] : {std::pair(359.0, 1.0), std::pair(-1.0, 361.0)}) {
        const WellPathPositions crossing(
            MakePath(PATH_MD_INCL_AZIM, {{1000, 10, before, 0}, {1100, 10, after, 0}}), kHead);
        const auto& c = crossing.GetStations();
        EXPECT_NEAR(c[1].east - c[0].east, 0.0, 1e-4) << before;
        EXPECT_NEAR(c[1].north - c[0].north, 100 * std::sin(10 * kDegree), 0.01) << before;
    }
}

TEST(WellPathPositions, ZConventionsOfTheXYZLayout) {
    // 100 m below sea level, as an elevation and as a depth.
    const auto path = [](double value) {
        return MakePath(PATH_X_Y_Z, {{0, value, kHead.x, kHead.y}});
    };
    using welldata::ZConvention;
    for (const auto& [z, convention] : {std::pair(-100.0, ZConvention::Elevation),
                                        std::pair(100.0, ZConvention::DepthBelowSeaLevel)})
        EXPECT_NEAR(WellPathPositions(path(z), kHead, convention).GetStations().at(0).tvdss, 100,
                    1e-4);
}

TEST(WellPathPositions, BadPointsAreSkippedAndReportedNeverInterpolated) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    using Skips = std::vector<std::pair<size_t, SkipReason>>;
    const std::tuple<STRUCT_WELL_PATH, std::vector<size_t>, Skips> cases[] = {
        {MakePath(PATH_MD_INCL_AZIM, {{100, 0, 0, 0},
                                      {200, -9999, 0, 0},
                                      {300, 5, nan, 0},
                                      {50, 5, 10, 0},
                                      {400, 5, 10, 0},
                                      {400, 5, 10, 0}}),
         {0, 4},
         {{1, SkipReason::NullValue},
          {2, SkipReason::NotFinite},
          {3, SkipReason::MdNotIncreasing},
          {5, SkipReason::MdNotIncreasing}}},
        {MakePath(7, {{1, 2, 3, 4}}), {}, {{0, SkipReason::UnknownLayout}}},
    };
    for (const auto& [path, stations, skipped] : cases) {
        const WellPathPositions positions(path, kHead);
        std::vector<size_t> kept;
        for (const WellPathStation& station : positions.GetStations())
            kept.push_back(station.pointIndex);
        Skips reported;
        for (const auto& point : positions.GetSkippedPoints())
            reported.emplace_back(point.pointIndex, point.reason);
        EXPECT_EQ(kept, stations) << path.nDataType;
        EXPECT_EQ(reported, skipped) << path.nDataType;
    }
}
