#include "fuzz/runners/WellPathRunner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welldata::fuzz::RunWellPath(data, size);
    return 0;
}
