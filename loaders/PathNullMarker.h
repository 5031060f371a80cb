// The values well data files commonly use for "no value", as the well path
// loader rejects them and the positions helper skips them.
#pragma once

namespace welldata {

// True for -9999 and -999 (exactly) and for values within a hair of -999.25,
// -999.125, -9999.25 or -9999.125.
bool IsPathNullMarker(double value);

} // namespace welldata
