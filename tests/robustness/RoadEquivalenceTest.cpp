// The streaming road (rows handed to the loaders as they are parsed) against the row-table
// road it replaced (fuzz/runners/RowTableLoads.h), as the fuzz target "roads" does: the same
// records, messages, progress calls, failure, load report and kept rows, bit for bit.
#include "fuzz/runners/RoadsRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

namespace {

using testing_support::FileBytes;
using testing_support::Narrow;

// The option bytes of fuzz/runners/RoadsRunner.h: the load, then the setup flags.
constexpr unsigned char kRead0 = 0, kRead15 = 1, kReadLasPreview = 2, kLoadPath = 4, kLoadTable = 5,
                        kLoadLog = 6, kLoadLogWithPath = 7, kLoadLasAfterRead = 8,
                        kLoadLasChosen = 9, kLoadLasWithPath = 10, kLasByName = 11, kWellHeads = 12,
                        kCoreAnalysis = 13, kCoreDescription = 14, kRead1 = 15;
constexpr unsigned char kLas = 0x01, kHeaderSearch = 0x02, kNoHeaderRow = 0x04, kBatch = 0x08,
                        kUtf16 = 0x80, kDetect = 0xC0;

struct Scenario {
    const char* name;
    std::string options;
};

// Option bytes: the load, the setup, then data type, flags, units, the nine
// columns and the null value choice.
std::string Options(unsigned char load, unsigned char setup, unsigned char dataType = 0,
                    unsigned char flags = 0, unsigned char coorUnit = 0,
                    unsigned char depthUnit = 0,
                    std::initializer_list<unsigned char> columns = {0, 1, 2, 3, 4, 5, 6, 7, 8},
                    unsigned char null = 0) {
    std::string options{static_cast<char>(load),     static_cast<char>(setup),
                        static_cast<char>(dataType), static_cast<char>(flags),
                        static_cast<char>(coorUnit), static_cast<char>(depthUnit)};
    for (unsigned char column : columns)
        options += static_cast<char>(column);
    options.resize(15, '\xFF');
    options += static_cast<char>(null);
    return options;
}

const std::vector<Scenario>& TableScenarios() {
    static const std::vector<Scenario> scenarios = {
        {"read", Options(kRead0, 0)},
        {"preview", Options(kRead15, 0)},
        {"first line", Options(kRead1, 0)},
        {"read, code page detected", Options(kRead0, kDetect)},
        {"log table in UTF-16", Options(kLoadTable, kUtf16 | kHeaderSearch, 0, 0, 0, 0, {1, 2})},
        {"path MD INCL AZIM", Options(kLoadPath, 0, 0, 0x08)},
        {"path TVD X Y, null, feet",
         Options(kLoadPath, 0, 2, 0x07, 2, 2, {0, 1, 2, 3, 4, 5, 1, 2, 3})},
        {"log table", Options(kLoadTable, kHeaderSearch, 0, 0x04, 0, 2, {1, 2, 3, 0xFF}, 3)},
        {"log", Options(kLoadLog, kHeaderSearch, 0, 0, 0, 0, {0, 1, 5, 2})},
        {"log with a path",
         Options(kLoadLogWithPath, kHeaderSearch, 1, 0x03, 0, 0, {0, 1, 2, 3, 1, 2})},
        {"well heads", Options(kWellHeads, 0, 0, 0x07, 2, 1)},
        {"rock core analysis", Options(kCoreAnalysis, 0, 0, 0, 0, 0, {0, 1, 9, 0xFF})},
        {"rock core description", Options(kCoreDescription, 0, 0, 0x01, 0, 0, {0, 1, 2})},
    };
    return scenarios;
}

const std::vector<Scenario>& LasScenarios() {
    static const std::vector<Scenario> scenarios = {
        {"read", Options(kRead0, kLas | kNoHeaderRow)},
        {"preview", Options(kReadLasPreview, kLas | kNoHeaderRow)},
        {"read with the header-row flag", Options(kRead0, kLas)},
        {"LoadLas after a read", Options(kLoadLasAfterRead, kLas | kNoHeaderRow, 0, 0x04, 2, 1)},
        {"LoadLas of chosen curves", Options(kLoadLasChosen, kLas | kNoHeaderRow, 0, 0x04, 0, 2)},
        {"LoadLas with a path", Options(kLoadLasWithPath, kLas | kNoHeaderRow, 2, 0x07)},
        {"by name", Options(kLasByName, kLas)},
        {"by name, batch", Options(kLasByName, kLas | kBatch)},
        {"by name, question answered", Options(kLasByName, kLas, 0x21, 0x60)},
    };
    return scenarios;
}

// The first difference of any scenario on `bytes`, named.
std::string FirstDifference(const std::string& bytes, const std::vector<Scenario>& scenarios) {
    for (const Scenario& scenario : scenarios) {
        const std::string input = scenario.options + bytes;
        const std::string difference = welldata::fuzz::CompareRoads(
            reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        if (!difference.empty())
            return std::string(scenario.name) + ": " + difference;
    }
    return "";
}

std::string FirstDifference(const std::string& bytes) {
    const std::string table = FirstDifference(bytes, TableScenarios());
    return table.empty() ? FirstDifference(bytes, LasScenarios()) : table;
}

std::vector<std::filesystem::path> FilesBelow(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder))
        return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".txt" || extension == ".las"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(RoadEquivalence, SamplesAndTestData) {
    int files = 0;
    for (const std::string& folder :
         {Narrow(testing_support::SamplePath("")), Narrow(testing_support::DataPath(""))}) {
        for (const std::filesystem::path& file : FilesBelow(folder)) {
            EXPECT_EQ(FirstDifference(FileBytes(testing_support::Widen(file.string()))), "")
                << file;
            ++files;
        }
    }
    EXPECT_GT(files, 8);
}

TEST(RoadEquivalence, LasCorpus) {
    const std::vector<std::filesystem::path> files = FilesBelow(testing_support::LasCorpusDir());
    if (files.empty())
        GTEST_SKIP() << "no LAS corpus";
    for (const std::filesystem::path& file : files)
        EXPECT_EQ(FirstDifference(FileBytes(testing_support::Widen(file.string())), LasScenarios()),
                  "")
            << file;
}

// Files bad in one way each, failures half way through the rows first.
TEST(RoadEquivalence, BadFiles) {
    const std::string las = testing_support::LasHeader();
    const std::string wrapped = testing_support::LasHeader("YES");
    const std::string curves = "~C\n DEPT.M : d\n GR.API : g\n RT.OHMM : r\n";
    const std::string files[] = {
        "",
        "\n\n\r\n",
        "MD INCL AZIM\n1000 1 2\n1010 -999.25 3\n1020 2 4\n",     // a null marker half way
        "MD INCL AZIM\n1000 1 2\n1010 1.5 3\n1020 2 -999.25",     // in the last row
        "TVD X Y\nm m m\n1000 10 20\n1010,,30\n1020 abc 40 50\n", // units, short, text, long
        "title\nDEPTH GR\n1000 45\n1001 -999.25\n",               // a title before the header
        "no header here\n1 2\n",
        ",;,\n1 2 3\n4 5\n",                                              // a header of separators
        "DEPTH\tGR\n1\t2\r3\t4\n5\t6\r",                                  // lone carriage returns
        std::string("DEPTH GR\n1 2\n3\0 4\n5 6\n", 22),                   // a NUL byte
        "DEPTH \xD1\xD2\xD0\xD4\n1000 \xBB\xD2\xC9\xAB\n1001 \xFF\x30\n", // GB18030 text
        "DEPTH 岩性\n1000 灰色砂岩\n1001 泥岩\n",                         // UTF-8 text
        "\xEF\xBB\xBF"
        "DEPTH GR\n1 nan\n2 inf\n3 1e400\n4 0x10\n5 1.5e-3\n",
        testing_support::Utf16(L"DEPTH GR\r\n1000 4.5\r\n1001 \x5CA9\r\n", false, true),
        las + curves + "~A\n1000 1 2\n1001 3\n1002 4 5\n", // a row of the wrong length
        las + curves + "~A\n1000 1 2\n1001 -999.25 2\n",
        wrapped + curves + "~A\n1000\n1 2\n1001\n3 4\n",
        wrapped + curves + "~A\n1000 1\n2 3\n", // a record split badly
        wrapped + "~C\n~A\n1 2\n",              // wrapped without curves
        las + curves + "1000 1 2\n",            // no ~A
        " DEPT.M : item before any section\n~V\n~A\n1\n",
        "~V\n VERS. 2.0 :\n~A\n1 2\n", // no ~C
        curves + "~A\n1 2 3\n",        // no ~V
        las + curves + "~O\n free text . : \n~A\n#comment\n1000 1 2\n~ 1 2 3\n",
    };
    for (const std::string& bytes : files)
        EXPECT_EQ(FirstDifference(bytes), "") << bytes;
}

} // namespace
