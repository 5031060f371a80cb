// How far each loader moves the host's progress bar on top of the reader's own
// reading and parsing.
#include "TableFile.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"

#include <gtest/gtest.h>

using loader_tests::TableFile;
using testing_support::FakeProgressCtrl;

namespace {

// A host bar that keeps its own range whatever the reader asks for, so that
// ranges other than the reader's 0 to 200 reach the loaders.
class FixedRangeProgress : public FakeProgressCtrl {
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

enum class Loader { WellHead, RockCoreAnalyse, RockCoreDescribe };

// A header and `rows` data rows of two numbers each.
std::vector<std::string> Table(int rows) {
    std::vector<std::string> lines{"name value"};
    for (int i = 0; i < rows; ++i)
        lines.push_back(std::to_string(1600 + i) + " " + std::to_string(i));
    return lines;
}

bool RunLoad(Loader kind, CDataFileReader& reader, int items) {
    switch (kind) {
    case Loader::WellHead: {
        std::list<COMMON::STRUCT_WELL_HEAD> heads;
        return CWellHead(&reader, &heads).Load();
    }
    case Loader::RockCoreAnalyse: {
        std::list<COMMON::STRUCT_CURVE_ITEM> columns;
        CRockCoreAnalyse loader(&reader, &columns);
        loader.SetColumnList(std::list<COMMON::STRUCT_CURVE_ITEM>(static_cast<size_t>(items)));
        return loader.Load();
    }
    case Loader::RockCoreDescribe: {
        COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
        return CRockCoreDescribe(&reader, &record).Load();
    }
    }
    return false;
}

// Steps of the load less those of reading the same file alone.
int LoaderSteps(Loader kind, FakeProgressCtrl& bar, int rows, int items) {
    TableFile file(Table(rows));
    file.Reader().SetProgressCtrl(&bar);
    EXPECT_TRUE(file.Reader().Read(CDataFileReader::kReadAll));
    const int readingSteps = bar.stepsSinceReset;
    EXPECT_TRUE(RunLoad(kind, file.Reader(), items));
    return bar.stepsSinceReset - readingSteps;
}

struct Case {
    const char* what;
    Loader kind;
    int upper; // the bar's range is 0 to upper; a loader's share is 30 percent of it
    int rows;
    int items; // rock core analysis columns
    int expected;
};

const Case kCases[] = {
    // Well heads: steps / rows + 1 per row; the stride counts rows from 1.
    {"well heads, 3 rows", Loader::WellHead, 200, 3, 0, 3 * (20 + 1)},
    {"well heads, 60 rows", Loader::WellHead, 200, 60, 0, 60 * 2},
    {"well heads, 125 rows", Loader::WellHead, 200, 125, 0, 62},
    {"well heads, more rows than 3 steps", Loader::WellHead, 10, 7, 0, 3},
    {"well heads, range too small", Loader::WellHead, 3, 5, 0, 0},
    // Rock core analysis: steps / columns per column, no extra step, counted from 0.
    {"analysis, 5 columns", Loader::RockCoreAnalyse, 200, 2, 5, 60},
    {"analysis, 7 columns", Loader::RockCoreAnalyse, 200, 2, 7, 7 * 8},
    {"analysis, more columns than 3 steps", Loader::RockCoreAnalyse, 10, 2, 7, 4},
    {"analysis, range too small", Loader::RockCoreAnalyse, 3, 2, 7, 0},
    // Rock core description: steps / rows per row; the stride counts rows from 1.
    {"description, 4 rows", Loader::RockCoreDescribe, 200, 4, 0, 60},
    {"description, 7 rows", Loader::RockCoreDescribe, 200, 7, 0, 7 * 8},
    {"description, 125 rows", Loader::RockCoreDescribe, 200, 125, 0, 62},
    {"description, more rows than 3 steps", Loader::RockCoreDescribe, 10, 7, 0, 3},
    {"description, range too small", Loader::RockCoreDescribe, 3, 5, 0, 0},
};

TEST(LoaderProgress, StepsFollowTheSharedProtocol) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        FixedRangeProgress bar(c.upper);
        EXPECT_EQ(LoaderSteps(c.kind, bar, c.rows, c.items), c.expected);
    }
}

TEST(LoaderProgress, ABarWithoutAWindowIsNeverStepped) {
    for (Loader kind : {Loader::WellHead, Loader::RockCoreAnalyse, Loader::RockCoreDescribe}) {
        FakeProgressCtrl bar;
        bar.hasWindow = false;
        TableFile file(Table(4));
        file.Reader().SetProgressCtrl(&bar);
        EXPECT_TRUE(RunLoad(kind, file.Reader(), 3));
        EXPECT_EQ(bar.totalSteps, 0);
    }
}

} // namespace
