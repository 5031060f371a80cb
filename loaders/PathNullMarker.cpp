#include "loaders/PathNullMarker.h"

#include "welldata/Common.h"

#include <cmath>

namespace welldata {
namespace {

struct NullMarker {
    double value;
    double tolerance; // 0: exact equality; otherwise the distance must be below it
};

constexpr NullMarker kNullMarkers[] = {
    {kNullValue, 0.0},  {-999.0, 0.0},     {-999.25, 0.001},
    {-999.125, 0.0001}, {-9999.25, 0.001}, {-9999.125, 0.0001},
};

} // namespace

bool IsPathNullMarker(double value) {
    for (const NullMarker& marker : kNullMarkers) {
        const bool matches = marker.tolerance == 0.0
                                 ? value == marker.value
                                 : std::fabs(value - marker.value) < marker.tolerance;
        if (matches)
            return true;
    }
    return false;
}

} // namespace welldata
