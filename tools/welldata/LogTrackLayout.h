// Which curves of a log go into which track of a plot, the way log plots are
// usually laid out: gamma ray, SP and caliper in the first track, then the
// depth, the resistivities on a logarithmic scale, the porosity curves, and
// the other curves after them, a few per track.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class DataTable;
class DataColumn;

class LogTrackLayout {
public:
    struct Curve {
        size_t column;
        bool logarithmic;
        bool gammaRay;
        std::wstring label; // name, display name when known
    };
    struct Track {
        std::vector<Curve> curves;
        bool logarithmic = false;
    };

    // Lays out every numeric column of `table` but the depth that holds a value.
    explicit LogTrackLayout(const DataTable& table);

    size_t DepthColumn() const { return m_depthColumn; }
    // The tracks left of the depth track, then those right of it.
    const std::vector<Track>& LeftTracks() const { return m_left; }
    const std::vector<Track>& RightTracks() const { return m_right; }

private:
    enum class Family { Lithology, Resistivity, Porosity, Other };

    static size_t FindDepthColumn(const DataTable& table);
    static bool HasValues(const DataColumn& column);
    static bool IsOhmMetre(const std::wstring& unit);
    static std::wstring Label(const DataColumn& column);
    static void AddTracks(std::vector<Track>& tracks, const std::vector<Curve>& curves,
                          size_t perTrack, bool logarithmic);

    size_t m_depthColumn = 0;
    std::vector<Track> m_left;
    std::vector<Track> m_right;
};
