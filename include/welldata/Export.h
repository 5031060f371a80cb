// Symbol visibility of the library's host-facing API.
#pragma once

#if defined(WELLDATA_BUILDING_LIBRARY)
#define WELLDATA_API __attribute__((visibility("default")))
#else
#define WELLDATA_API
#endif

// The private helpers of an exported class, which hosts never call.
#define WELLDATA_LOCAL __attribute__((visibility("hidden")))
