// Which curves of a log go into which track of a plot, the way log plots are
// usually laid out: gamma ray, SP and caliper in the first track, then the
// depth, the resistivities on a logarithmic scale, the porosity curves, and
// the other curves after them, a few per track.
#pragma once

#include "PlotOptions.h"

#include "welldata/Common.h"

#include <cstddef>
#include <string>
#include <vector>

namespace logplot {

class LogTrackLayout {
public:
    struct Curve {
        const COMMON::STRUCT_CURVE_ITEM* item;
        bool logarithmic;
        std::wstring kind;  // the curve table's mnemonic of its kind, empty when not known
        std::wstring label; // CurveLabel
    };
    struct Track {
        std::vector<Curve> curves;
        bool logarithmic = false;
    };

    // Lays out every curve but the depth that holds a value; null when the log
    // has no curve.
    explicit LogTrackLayout(const COMMON::STRUCT_WELL_CURVE& log,
                            CurveNames names = CurveNames::MnemonicAndDisplayName);

    // The curve of type DEPTH, or the first curve; null for a log without curves.
    const COMMON::STRUCT_CURVE_ITEM* Depth() const { return m_depth; }
    // The tracks left of the depth track, then those right of it.
    const std::vector<Track>& LeftTracks() const { return m_left; }
    const std::vector<Track>& RightTracks() const { return m_right; }

    // A value that the plot leaves as a gap: the null value or not a number.
    static bool IsNull(float value);

private:
    enum class Family { Lithology, Resistivity, Porosity, Other };

    static const COMMON::STRUCT_CURVE_ITEM* FindDepth(const COMMON::STRUCT_WELL_CURVE& log);
    static Family FamilyOf(const std::wstring& mnemonic);
    static bool HasValues(const COMMON::STRUCT_CURVE_ITEM& curve);
    static bool IsOhmMetre(const std::wstring& unit);
    static void AddTracks(std::vector<Track>& tracks, const std::vector<Curve>& curves,
                          size_t perTrack, bool logarithmic);

    const COMMON::STRUCT_CURVE_ITEM* m_depth = nullptr;
    std::vector<Track> m_left;
    std::vector<Track> m_right;
};

// The one place a plot takes a curve's shown name from.
std::wstring CurveLabel(const COMMON::STRUCT_CURVE_ITEM& curve, CurveNames names);

} // namespace logplot
