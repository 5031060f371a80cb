#include "fuzz/runners/RoadsRunner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welldata::fuzz::RunRoads(data, size);
    return 0;
}
