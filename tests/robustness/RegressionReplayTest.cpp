// Every input a fuzz target once failed on, replayed through the same runner in
// the normal build: tests/data/regressions/<target>-<what>.bin.
#include "fuzz/runners/LasRunner.h"
#include "fuzz/runners/SettingsRunner.h"
#include "fuzz/runners/TextTableRunner.h"
#include "fuzz/runners/WellPathRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

using Runner = void (*)(const std::uint8_t*, std::size_t);

const std::map<std::string, Runner> kRunners = {
    {"text_table", welldata::fuzz::RunTextTable},
    {"las", welldata::fuzz::RunLas},
    {"settings", welldata::fuzz::RunSettings},
    {"well_path", welldata::fuzz::RunWellPath},
};

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Replay(Runner runner, const std::string& bytes) {
    runner(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

TEST(RegressionReplay, EveryRecordedInputRunsCleanly) {
    const std::filesystem::path folder =
        testing_support::Narrow(testing_support::DataPath("regressions"));
    int replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::string name = file.path().filename().string();
        const auto runner = kRunners.find(name.substr(0, name.find('-')));
        if (runner == kRunners.end())
            continue;
        SCOPED_TRACE(name);
        Replay(runner->second, ReadBytes(file.path()));
        ++replayed;
    }
    std::cout << replayed << " recorded inputs replayed\n";
}

TEST(RegressionReplay, EveryRunnerTakesEmptyAndOptionOnlyInputs) {
    for (const auto& [target, runner] : kRunners) {
        SCOPED_TRACE(target);
        Replay(runner, "");
        Replay(runner, std::string(32, '\xFF'));
    }
}
