// welldata_bench_generate KIND SIZE FILE
// KIND: las, las-wrapped, log-table, path-table, head-table, core-analysis or
// core-describe.
// SIZE: bytes, or a number followed by K, M or G (1M to 16G).
#include "BenchFileWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool ParseSize(const std::string& text, std::uint64_t& bytes) {
    char* end = nullptr;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str())
        return false;
    const std::string suffix(end);
    std::uint64_t unit = 1;
    if (suffix == "K" || suffix == "k")
        unit = 1ull << 10;
    else if (suffix == "M" || suffix == "m")
        unit = 1ull << 20;
    else if (suffix == "G" || suffix == "g")
        unit = 1ull << 30;
    else if (!suffix.empty())
        return false;
    bytes = number * unit;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    BenchFileWriter::Kind kind{};
    std::uint64_t bytes = 0;
    if (argc != 4 || !BenchFileWriter::KindFromName(argv[1], kind) || !ParseSize(argv[2], bytes) ||
        bytes < (1ull << 20) || bytes > (16ull << 30)) {
        std::fprintf(stderr,
                     "usage: %s las|las-wrapped|log-table|path-table|head-table|"
                     "core-analysis|core-describe SIZE(1M..16G) FILE\n",
                     argv[0]);
        return 2;
    }
    if (!BenchFileWriter(kind, bytes).Write(argv[3])) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
