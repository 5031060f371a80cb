#include "fuzz/runners/TextTableRunner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welldata::fuzz::RunTextTable(data, size);
    return 0;
}
