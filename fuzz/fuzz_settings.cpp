#include "fuzz/runners/SettingsRunner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welldata::fuzz::RunSettings(data, size);
    return 0;
}
