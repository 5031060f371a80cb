#include "welldata/WellPathPositions.h"

#include "welldata/LoadChoices.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

using COMMON::STRUCT_WELL_PATH;
using COMMON::STRUCT_WELL_PATH_POINT;
using welldata::WellHeadLocation;
using welldata::WellPathPositions;

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

// A station as expected: its MD, its offset from the first station and its
// dogleg severity (NaN where not checked).
struct Expected {
    double md, north, east, down, severity = std::numeric_limits<double>::quiet_NaN();
};

struct Case {
    const char* name;
    STRUCT_WELL_PATH path;
    std::vector<Expected> stations;
    double tolerance = kMillimetre;
    bool mdFromChords = false;
};

// The closed-form well recorded in layout `type` at `mds`. Without MD, the summed
// chords are the true MD of a straight hole; chords turn by the arc's curvature
// once both of their ends lie on it.
Case OnWell(const char* name, const ArcWell& well, int type, const std::vector<double>& mds,
            bool withMd = true) {
    Case c{name, {}, {}, kMillimetre, !withMd};
    std::vector<std::array<double, 4>> rows;
    for (size_t i = 0; i < mds.size(); ++i) {
        rows.push_back(well.LayoutValues(type, mds[i]));
        rows.back()[0] = withMd ? mds[i] : 0.0;
        const Vec p = well.PositionAt(mds[i]);
        c.stations.push_back({mds[i], p.north, p.east, p.down});
        if (mds[i] < well.kickoff || (i >= 2 && mds[i - 2] >= well.kickoff))
            c.stations.back().severity = well.Severity(mds[i]);
    }
    c.path = MakePath(type, rows);
    return c;
}

void ExpectStations(const WellPathPositions& positions, const Case& c) {
    const auto& s = positions.GetStations();
    ASSERT_EQ(s.size(), c.stations.size());
    EXPECT_TRUE(positions.GetSkippedPoints().empty());
    EXPECT_EQ(positions.IsMdFromChords(), c.mdFromChords);
    if (c.stations.front().md == 0) { // the head
        EXPECT_NEAR(std::hypot(s[0].north, s[0].east, s[0].tvd), 0, c.tolerance);
    }
    for (size_t i = 0; i < s.size(); ++i) {
        const Expected& e = c.stations[i];
        SCOPED_TRACE("MD " + std::to_string(e.md));
        EXPECT_NEAR(s[i].md, e.md, c.tolerance);
        EXPECT_NEAR(s[i].north - s[0].north, e.north, c.tolerance);
        EXPECT_NEAR(s[i].east - s[0].east, e.east, c.tolerance);
        EXPECT_NEAR(s[i].tvd - s[0].tvd, e.down, c.tolerance);
        EXPECT_NEAR(s[i].tvdss, s[i].tvd - kHead.kb, 1e-9);
        EXPECT_NEAR(s[i].x, kHead.x + s[i].east, kMillimetre);
        EXPECT_NEAR(s[i].y, kHead.y + s[i].north, kMillimetre);
        if (!std::isnan(e.severity)) {
            EXPECT_NEAR(s[i].doglegSeverity, e.severity, 1e-3);
        }
    }
}

} // namespace

TEST(WellPathPositions, KnownWellsAreMetExactly) {
    const ArcWell vertical{Direction(0, 0), {1, 0, 0}, 1e9, 1};
    const ArcWell slant{Direction(35, 230), Direction(55, 50), 1e9, 1};
    // Horizontal from the head at azimuth 300, round once through north.
    const ArcWell circle{Direction(90, 300), Direction(90, 30), 0, 400};
    std::vector<double> turn{0};
    for (double share : {0.05, 0.11, 0.3, 0.31, 0.5, 0.72, 0.9, 0.97, 1.0})
        turn.push_back(share * 2 * std::numbers::pi * circle.radius);
    const std::vector<double> straight{0, 250, 600, 1000, 1000.5, 2750};
    // 1000 m building by 2^-10 radians due north keeps its bend to a micrometre.
    const double i1 = 0.5, i2 = 0.5 + std::ldexp(1.0, -10), radius = 1000 / (i2 - i1);
    const double sin10 = std::sin(10 * kDegree), cos10 = std::cos(10 * kDegree);
    const Case cases[] = {
        OnWell("arc, MD INCL AZIM", kArc, PATH_MD_INCL_AZIM, kUnevenMds),
        OnWell("arc, TVD DX DY", kArc, PATH_TVD_DX_DY, kUnevenMds),
        OnWell("arc, TVD X Y", kArc, PATH_TVD_X_Y, kUnevenMds),
        OnWell("arc, X Y Z", kArc, PATH_X_Y_Z, kUnevenMds),
        OnWell("vertical", vertical, PATH_TVD_DX_DY, straight, false),
        OnWell("slant, X Y Z", slant, PATH_X_Y_Z, straight, false),
        OnWell("slant, TVD X Y", slant, PATH_TVD_X_Y, straight, false),
        OnWell("full turn", circle, PATH_MD_INCL_AZIM, turn),
        // The first station's dogleg is taken from the vertical.
        {"3500 to 3600 ft",
         MakePath(PATH_MD_INCL_AZIM, {{3500, 15, 20, 0}, {3600, 25, 45, 0}}),
         {{3500, 0, 0, 0, 15.0 / 3500 * 30}, {3600, 27.22, 19.45, 94.01, 12.951651 * 0.3}},
         0.005},
        {"nearly straight",
         MakePath(PATH_MD_INCL_AZIM, {{1000, i1, 0, 0}, {2000, i2, 0, 0}}, ANGLE_RADIANS),
         {{1000, 0, 0, 0},
          {2000, radius * (std::cos(i1) - std::cos(i2)), 0,
           radius * (std::sin(i2) - std::sin(i1))}},
         1e-6},
        // Azimuths crossing north turn the short way.
        {"359 to 1 degree",
         MakePath(PATH_MD_INCL_AZIM, {{1000, 10, 359, 0}, {1100, 10, 1, 0}}),
         {{1000, 0, 0, 0}, {1100, 100 * sin10, 0, 100 * cos10}},
         0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectStations(WellPathPositions(c.path, kHead), c);
    }
}
