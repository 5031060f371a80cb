#include "welldata/WellPathPositions.h"

#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

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
// angles to `start`). The arc lies in the plane of the two, so its position is
// P(kickoff) + R sin(phi) start + R (1 - cos(phi)) bend for phi = (md - kickoff) / R.
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

// A point of layout `type` with its fields in their slots and widths.
STRUCT_WELL_PATH_POINT MakePoint(int type, const std::array<double, 4>& v) {
    STRUCT_WELL_PATH_POINT point;
    point.fMD = static_cast<float>(v[0]);
    point.fInclOrDepth = static_cast<float>(v[1]);
    if (type == PATH_TVD_X_Y || type == PATH_X_Y_Z) {
        point.uAzimOrX.dValue = v[2];
        point.uY.dValue = v[3];
    } else {
        point.uAzimOrX.fValue = static_cast<float>(v[2]);
        point.uY.fValue = type == PATH_TVD_DX_DY ? static_cast<float>(v[3]) : 0.0f;
    }
    return point;
}

STRUCT_WELL_PATH MakePath(int type, const std::vector<std::array<double, 4>>& rows,
                          int angleUnit = ANGLE_DEGREES) {
    STRUCT_WELL_PATH path;
    path.nDataType = type;
    path.nAngleUnit = angleUnit;
    for (const auto& row : rows)
        path.dqPoints.push_back(MakePoint(type, row));
    return path;
}

STRUCT_WELL_PATH RecordOf(const ArcWell& well, int type, const std::vector<double>& mds,
                          bool withMd = true) {
    std::vector<std::array<double, 4>> rows;
    for (double md : mds) {
        rows.push_back(well.LayoutValues(type, md));
        rows.back()[0] = withMd ? md : 0.0;
    }
    return MakePath(type, rows);
}

// Writes the well as a text table "MD A B C" and loads it through the path loader.
STRUCT_WELL_PATH LoadedOf(const ArcWell& well, int type, const std::vector<double>& mds) {
    std::string text = "MD A B C\n";
    for (double md : mds) {
        const auto v = well.LayoutValues(type, md);
        char line[160];
        std::snprintf(line, sizeof line, "%.9f %.9f %.9f %.9f\n", v[0], v[1], v[2], v[3]);
        text += line;
    }
    testing_support::ScratchFile file;
    file.Write(text);
    STRUCT_WELL_PATH path;
    CWellPath loader(&file.reader, &path);
    loader.SetDataType(type);
    loader.SetHasMD(true);
    // Every layout's fields in the columns of their slots.
    using C = CWellPath;
    for (auto set : {&C::SetINCLColumn, &C::SetTVDColumn, &C::SetZColumn})
        (loader.*set)(1);
    for (auto set : {&C::SetAZIMColumn, &C::SetDXColumn, &C::SetXColumn})
        (loader.*set)(2);
    for (auto set : {&C::SetDYColumn, &C::SetYColumn})
        (loader.*set)(3);
    EXPECT_TRUE(loader.LoadPath());
    return path;
}

void ExpectAt(const WellPathStation& station, Vec expected, double tolerance) {
    EXPECT_NEAR(station.north, expected.north, tolerance) << "MD " << station.md;
    EXPECT_NEAR(station.east, expected.east, tolerance) << "MD " << station.md;
    EXPECT_NEAR(station.tvd, expected.down, tolerance) << "MD " << station.md;
    EXPECT_NEAR(station.tvdss, station.tvd - kHead.kb, 1e-9);
    EXPECT_NEAR(station.x, kHead.x + expected.east, tolerance);
    EXPECT_NEAR(station.y, kHead.y + expected.north, tolerance);
}

void ExpectOnWell(const WellPathPositions& positions, const ArcWell& well,
                  const std::vector<double>& mds) {
    ASSERT_EQ(positions.GetStations().size(), mds.size());
    EXPECT_TRUE(positions.GetSkippedPoints().empty());
    for (size_t i = 0; i < mds.size(); ++i)
        ExpectAt(positions.GetStations()[i], well.PositionAt(mds[i]), kMillimetre);
}

double ArcSeverity(const ArcWell& well) {
    return 30.0 / well.radius / kDegree;
}

} // namespace

TEST(WellPathPositions, MinimumCurvatureIsExactOnAnUnevenlySampledArcInDegreesAndRadians) {
    for (int unit : {ANGLE_DEGREES, ANGLE_RADIANS}) {
        STRUCT_WELL_PATH path = RecordOf(kArc, PATH_MD_INCL_AZIM, kUnevenMds);
        path.nAngleUnit = unit;
        for (STRUCT_WELL_PATH_POINT& point : path.dqPoints) {
            const double scale = unit == ANGLE_RADIANS ? kDegree : 1.0;
            point.fInclOrDepth = static_cast<float>(point.fInclOrDepth * scale);
            point.uAzimOrX.fValue = static_cast<float>(point.uAzimOrX.fValue * scale);
        }
        const WellPathPositions positions(path, kHead);
        ExpectOnWell(positions, kArc, kUnevenMds);
        for (const WellPathStation& station : positions.GetStations()) {
            EXPECT_EQ(station.md, kUnevenMds[station.pointIndex]);
            EXPECT_NEAR(station.doglegSeverity, station.md > 400 ? ArcSeverity(kArc) : 0.0, 1e-4);
        }
    }
}

TEST(WellPathPositions, StraightVerticalAndSlantWellsInEveryLayoutWithAndWithoutMd) {
    const ArcWell vertical{Direction(0, 0), {1, 0, 0}, 1e9, 1};
    const ArcWell slant{Direction(35, 230), Direction(55, 50), 1e9, 1};
    const std::vector<double> mds{0, 250, 600, 1000, 1000.5, 2750};
    const COMMON::STRUCT_WELL_HEAD head{L"A1", L"", kHead.x, kHead.y, 0, 0, float(kHead.kb)};
    for (const ArcWell* well : {&vertical, &slant}) {
        for (int type : {PATH_MD_INCL_AZIM, PATH_TVD_DX_DY, PATH_TVD_X_Y, PATH_X_Y_Z}) {
            for (bool withMd : {true, false}) {
                if (type == PATH_MD_INCL_AZIM && !withMd)
                    continue;
                SCOPED_TRACE("layout " + std::to_string(type) + (withMd ? " with MD" : ""));
                const WellPathPositions positions(RecordOf(*well, type, mds, withMd), head);
                ExpectOnWell(positions, *well, mds);
                EXPECT_EQ(positions.IsMdFromChords(), !withMd && type != PATH_MD_INCL_AZIM);
                for (const WellPathStation& station : positions.GetStations()) {
                    // Summed chords are the true MD of a straight hole from the head.
                    EXPECT_NEAR(station.md, mds[station.pointIndex], kMillimetre);
                    // Float TVD and offsets bend a half-metre chord by a hair.
                    EXPECT_NEAR(station.doglegSeverity, 0.0, 1e-3);
                }
            }
        }
    }
}

TEST(WellPathPositions, SingleIntervalGivesTheKnownFigures) {
    const WellPathPositions positions(
        MakePath(PATH_MD_INCL_AZIM, {{3500, 15, 20, 0}, {3600, 25, 45, 0}}), kHead);
    const auto& s = positions.GetStations();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[1].north - s[0].north, 27.22, 0.005);
    EXPECT_NEAR(s[1].east - s[0].east, 19.45, 0.005);
    EXPECT_NEAR(s[1].tvd - s[0].tvd, 94.01, 0.005);
    // Dogleg 12.9517 degrees over 100; the first station's 15 degrees from the vertical tie.
    EXPECT_NEAR(s[1].doglegSeverity, 12.951651 * 0.3, 1e-5);
    EXPECT_NEAR(s[0].doglegSeverity, 15.0 / 3500 * 30, 1e-6);
}

TEST(WellPathPositions, NearlyStraightIntervalKeepsItsBendToAMicrometre) {
    // 1000 m building from 0.5 to 0.5 + 2^-10 radians due north (floats hold both
    // exactly): a vertical arc of radius R = 1000 / 2^-10 in closed form.
    const double i1 = 0.5, i2 = 0.5 + std::ldexp(1.0, -10), radius = 1000 / (i2 - i1);
    const WellPathPositions positions(
        MakePath(PATH_MD_INCL_AZIM, {{1000, i1, 0, 0}, {2000, i2, 0, 0}}, ANGLE_RADIANS), kHead);
    const auto& s = positions.GetStations();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[1].north - s[0].north, radius * (std::cos(i1) - std::cos(i2)), 1e-6);
    EXPECT_NEAR(s[1].tvd - s[0].tvd, radius * (std::sin(i2) - std::sin(i1)), 1e-6);
    EXPECT_EQ(s[1].east, 0.0);
}

TEST(WellPathPositions, AzimuthCrossingNorthTurnsTheShortWay) {
    const double pi = std::numbers::pi;
    for (const auto& [unit, before, after] :
         {std::tuple{ANGLE_DEGREES, 359.0, 1.0}, std::tuple{ANGLE_DEGREES, -1.0, 361.0},
          std::tuple{ANGLE_RADIANS, 2 * pi - 0.0174533, 0.0174533}}) {
        const double incl = unit == ANGLE_RADIANS ? 10 * kDegree : 10;
        const WellPathPositions positions(
            MakePath(PATH_MD_INCL_AZIM, {{1000, incl, before, 0}, {1100, incl, after, 0}}, unit),
            kHead);
        const auto& s = positions.GetStations();
        ASSERT_EQ(s.size(), 2u);
        // Due north by symmetry: 100 m at 10 degrees, bent by 2 degrees of azimuth.
        EXPECT_NEAR(s[1].east - s[0].east, 0.0, 1e-4);
        EXPECT_NEAR(s[1].north - s[0].north, 100 * std::sin(10 * kDegree), 0.01);
        EXPECT_LT(s[1].doglegSeverity, 0.11);
    }
}

TEST(WellPathPositions, FullHorizontalTurnClosesOnItself) {
    // Horizontal from the head at azimuth 300, round once through north, uneven stations.
    const ArcWell circle{Direction(90, 300), Direction(90, 30), 0, 400};
    const double turn = 2 * std::numbers::pi * circle.radius;
    std::vector<double> mds{0};
    for (double share : {0.05, 0.11, 0.3, 0.31, 0.5, 0.72, 0.9, 0.97, 1.0})
        mds.push_back(share * turn);
    const WellPathPositions positions(RecordOf(circle, PATH_MD_INCL_AZIM, mds), kHead);
    ExpectOnWell(positions, circle, mds);
    const WellPathStation& last = positions.GetStations().back();
    EXPECT_NEAR(std::hypot(last.north, last.east), 0.0, kMillimetre);
    EXPECT_NEAR(last.doglegSeverity, ArcSeverity(circle), 1e-4);
}

// Each layout, written as text and loaded, lies on the same closed-form well.
TEST(WellPathPositions, FourLayoutsOfOneWellLoadedFromTextAgreeToAMillimetre) {
    for (int type : {PATH_MD_INCL_AZIM, PATH_TVD_DX_DY, PATH_TVD_X_Y, PATH_X_Y_Z}) {
        SCOPED_TRACE("layout " + std::to_string(type));
        const WellPathPositions positions(LoadedOf(kArc, type, kUnevenMds), kHead);
        ExpectOnWell(positions, kArc, kUnevenMds);
        const auto& s = positions.GetStations();
        for (size_t i = 2; i < s.size(); ++i) {
            EXPECT_NEAR(s[i].md, kUnevenMds[i], kMillimetre);
            // Chords turn by the arc's curvature once both lie on the arc.
            if (kUnevenMds[i - 2] >= kArc.kickoff) {
                EXPECT_NEAR(s[i].doglegSeverity, ArcSeverity(kArc), 1e-3) << "station " << i;
            }
        }
    }
}

TEST(WellPathPositions, MdWithoutAnMdColumnIsTheChordSumFromTheHead) {
    const WellPathPositions positions(RecordOf(kArc, PATH_TVD_DX_DY, kUnevenMds, false), kHead);
    ASSERT_TRUE(positions.IsMdFromChords());
    double md = 0;
    for (size_t i = 1; i < kUnevenMds.size(); ++i) {
        // A chord of an arc of angle a is 2 R sin(a / 2); a straight stretch is its own length.
        const double a = kArc.Phi(kUnevenMds[i]) - kArc.Phi(kUnevenMds[i - 1]);
        const double straight =
            kUnevenMds[i] <= kArc.kickoff ? kUnevenMds[i] - kUnevenMds[i - 1] : 0;
        md += straight + 2 * kArc.radius * std::sin(a / 2);
        EXPECT_NEAR(positions.GetStations()[i].md, md, kMillimetre);
    }
    EXPECT_LT(positions.GetStations().back().md, kUnevenMds.back());
}

TEST(WellPathPositions, ZConventionsOfTheXYZLayout) {
    // 100 m below sea level, as an elevation and as a depth.
    const auto z = [](double value) {
        return MakePath(PATH_X_Y_Z, {{0, value, kHead.x, kHead.y}});
    };
    using welldata::ZConvention;
    const double elevationTvd =
        WellPathPositions(z(-100), kHead, ZConvention::Elevation).GetStations().at(0).tvd;
    const WellPathStation depth =
        WellPathPositions(z(100), kHead, ZConvention::DepthBelowSeaLevel).GetStations().at(0);
    EXPECT_NEAR(elevationTvd, kHead.kb + 100, 1e-4);
    EXPECT_NEAR(depth.tvd, kHead.kb + 100, 1e-4);
    EXPECT_NEAR(depth.tvdss, 100, 1e-4);
}

TEST(WellPathPositions, BadPointsAreSkippedAndReportedNeverInterpolated) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        STRUCT_WELL_PATH path;
        std::vector<size_t> stations;
        std::vector<std::pair<size_t, SkipReason>> skipped;
    };
    const Case cases[] = {
        {"survey",
         MakePath(PATH_MD_INCL_AZIM, {{100, 0, 0, 0},
                                      {200, -9999, 0, 0},
                                      {300, 5, nan, 0},
                                      {50, 5, 10, 0},
                                      {-999.25, 5, 10, 0},
                                      {400, 5, 10, 0},
                                      {400, 5, 10, 0}}),
         {0, 5},
         {{1, SkipReason::NullValue},
          {2, SkipReason::NotFinite},
          {3, SkipReason::MdNotIncreasing},
          {4, SkipReason::NullValue},
          {6, SkipReason::MdNotIncreasing}}},
        {"survey above the head",
         MakePath(PATH_MD_INCL_AZIM, {{-5, 0, 0, 0}, {10, 0, 0, 0}}),
         {1},
         {{0, SkipReason::MdNotIncreasing}}},
        {"TVD, X, Y with MD",
         MakePath(PATH_TVD_X_Y,
                  {{10, 10, 1, 1}, {-999, 20, 1, 1}, {30, 30, nan, 1}, {40, 40, 1, 1}}),
         {0, 3},
         {{1, SkipReason::NullValue}, {2, SkipReason::NotFinite}}},
        {"TVD, DX, DY repeating a point",
         MakePath(PATH_TVD_DX_DY,
                  {{0, 10, 1, 1}, {0, 10, 1, 1}, {0, -999.125, 1, 1}, {0, 20, 1, 1}}),
         {0, 3},
         {{1, SkipReason::MdNotIncreasing}, {2, SkipReason::NullValue}}},
        {"unknown layout",
         MakePath(7, {{1, 2, 3, 4}, {5, 6, 7, 8}}),
         {},
         {{0, SkipReason::UnknownLayout}, {1, SkipReason::UnknownLayout}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WellPathPositions positions(c.path, kHead);
        std::vector<size_t> stations;
        for (const WellPathStation& station : positions.GetStations())
            stations.push_back(station.pointIndex);
        std::vector<std::pair<size_t, SkipReason>> skipped;
        for (const auto& point : positions.GetSkippedPoints())
            skipped.emplace_back(point.pointIndex, point.reason);
        EXPECT_EQ(stations, c.stations);
        EXPECT_EQ(skipped, c.skipped);
    }
}
