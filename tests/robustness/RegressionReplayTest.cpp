// Every input a fuzz target once failed on, replayed through the same runner in
// the normal build: tests/data/regressions/<target>-<what>.bin. Empty input and
// option bytes alone go through every runner too.
#include "fuzz/runners/LasRunner.h"
#include "fuzz/runners/RoadsRunner.h"
#include "fuzz/runners/SettingsRunner.h"
#include "fuzz/runners/TextTableRunner.h"
#include "fuzz/runners/WellPathRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

TEST(RegressionReplay, EveryRecordedInputRunsCleanly) {
    using Runner = void (*)(const std::uint8_t*, std::size_t);
    const std::map<std::string, Runner> runners = {{"text_table", welldata::fuzz::RunTextTable},
                                                   {"las", welldata::fuzz::RunLas},
                                                   {"settings", welldata::fuzz::RunSettings},
                                                   {"well_path", welldata::fuzz::RunWellPath},
                                                   {"roads", welldata::fuzz::RunRoads}};
    const auto replay = [](Runner run, const std::string& bytes) {
        run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    };
    for (const auto& [target, runner] : runners) {
        SCOPED_TRACE(target);
        replay(runner, "");
        replay(runner, std::string(32, '\xFF'));
    }
    int replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(
             testing_support::Narrow(testing_support::DataPath("regressions")))) {
        const std::string name = file.path().filename().string();
        const auto runner = runners.find(name.substr(0, name.find('-')));
        if (runner == runners.end())
            continue;
        SCOPED_TRACE(name);
        std::ifstream in(file.path(), std::ios::binary);
        replay(runner->second, std::string(std::istreambuf_iterator<char>(in), {}));
        ++replayed;
    }
    std::cout << replayed << " recorded inputs replayed\n";
}
