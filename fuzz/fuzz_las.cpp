#include "fuzz/runners/LasRunner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welldata::fuzz::RunLas(data, size);
    return 0;
}
