// How far each loader moves the host's progress bar on top of the reader's own
// reading and parsing.
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A host bar that keeps its own range whatever the reader asks for, so that
// ranges other than the reader's 0 to 200 reach the loaders.
class FixedRangeProgress : public testing_support::FakeProgressCtrl {
public:
    explicit FixedRangeProgress(int upper) : m_upper(upper) {}
    void SetRange(int, int) override {}
    void GetRange(int& lower, int& upper) const override {
        lower = 0;
        upper = m_upper;
    }

private:
    int m_upper;
};

enum class Loader { WellHead, WellPath, RockCoreAnalyse, RockCoreDescribe };

bool RunLoad(Loader kind, CDataFileReader& reader, int items) {
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    std::list<COMMON::STRUCT_CURVE_ITEM> columns(static_cast<size_t>(items));
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    switch (kind) {
    case Loader::WellHead:
        return CWellHead(&reader, &heads).Load();
    case Loader::WellPath:
        return CWellPath(&reader, &path).LoadPath();
    case Loader::RockCoreAnalyse:
        return CRockCoreAnalyse(&reader, &columns).Load();
    case Loader::RockCoreDescribe:
        return CRockCoreDescribe(&reader, &record).Load();
    }
    return false;
}

// Steps of the load less those of reading the same file alone; the file has a
// header and `rows` rows of two numbers.
int LoaderSteps(Loader kind, int upper, int rows, int items) {
    FixedRangeProgress bar(upper);
    testing_support::ScratchFile file;
    std::string table = "name value\n";
    for (int i = 0; i < rows; ++i)
        table += std::to_string(1600 + i) + " " + std::to_string(i) + "\n";
    file.reader.SetProgressCtrl(&bar);
    EXPECT_TRUE(file.Read(table));
    const int readingSteps = bar.stepsSinceReset;
    EXPECT_TRUE(RunLoad(kind, file.reader, items));
    return bar.stepsSinceReset - readingSteps;
}

TEST(LoaderProgress, EachLoaderStepsItsItemsItsOwnWay) {
    const struct {
        const char* what;
        Loader kind;
        int upper; // the bar's range is 0 to upper; a loader's share is 30 percent of it
        int rows;
        int items; // rock core analysis columns
        int expected;
    } cases[] = {
        // Well heads: steps / rows + 1 per row; the stride counts rows from 1.
        {"well heads, 3 rows", Loader::WellHead, 200, 3, 0, 3 * (20 + 1)},
        {"well heads, 125 rows", Loader::WellHead, 200, 125, 0, 62},
        {"well path, 3 rows", Loader::WellPath, 200, 3, 0, 3 * (20 + 1)},
        // Rock core analysis: steps / columns per column, counted from 0.
        {"analysis, 7 columns", Loader::RockCoreAnalyse, 200, 2, 7, 7 * 8},
        {"analysis, more columns than 3 steps", Loader::RockCoreAnalyse, 10, 2, 7, 4},
        // Rock core description: steps / rows per row; the stride counts rows from 1.
        {"description, 7 rows", Loader::RockCoreDescribe, 200, 7, 0, 7 * 8},
        {"description, 125 rows", Loader::RockCoreDescribe, 200, 125, 0, 62},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoaderSteps(c.kind, c.upper, c.rows, c.items), c.expected) << c.what;
}

} // namespace
