// How far each loader moves the host's bar on top of the reader's own steps.
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A host bar that keeps its own range whatever the reader asks for, so that
// ranges other than the reader's 0 to 200 reach the loaders.
struct FixedRangeProgress : testing_support::FakeProgressCtrl {
    explicit FixedRangeProgress(int upper) { FakeProgressCtrl::SetRange(0, upper); }
    void SetRange(int, int) override {}
};

enum Kind { Heads, Path, Analysis, Description };

bool LoadAs(Kind kind, CDataFileReader& reader, int items) {
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    COMMON::STRUCT_WELL_PATH path;
    std::list<COMMON::STRUCT_CURVE_ITEM> columns(static_cast<size_t>(items));
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    switch (kind) {
    case Heads:
        return CWellHead(&reader, &heads).Load();
    case Path:
        return CWellPath(&reader, &path).LoadPath();
    case Analysis:
        return CRockCoreAnalyse(&reader, &columns).Load();
    default:
        return CRockCoreDescribe(&reader, &record).Load();
    }
}

TEST(LoaderProgress, EachLoaderStepsItsItemsItsOwnWay) {
    // The bar runs from 0 to `upper` and a loader's share is 30 percent of it. Heads and
    // path step share / rows + 1 per row, descriptions share / rows per row, their strides
    // counting rows from 1; the analysis steps share / columns per column, from 0.
    const std::tuple<Kind, int, int, int, int> cases[] = {{Heads, 200, 3, 0, 3 * (20 + 1)},
                                                          {Path, 200, 125, 0, 62},
                                                          {Analysis, 200, 2, 7, 7 * 8},
                                                          {Analysis, 10, 2, 7, 4},
                                                          {Description, 200, 7, 0, 7 * 8}};
    for (const auto& [kind, upper, rows, items, expected] : cases) {
        FixedRangeProgress bar(upper);
        testing_support::ScratchFile file;
        std::string table = "name value\n";
        for (int i = 0; i < rows; ++i)
            table += std::to_string(1600 + i) + " " + std::to_string(i) + "\n";
        file.reader.SetProgressCtrl(&bar);
        ASSERT_TRUE(file.Read(table));
        const int readingSteps = bar.stepsSinceReset;
        ASSERT_TRUE(LoadAs(kind, file.reader, items));
        EXPECT_EQ(bar.stepsSinceReset - readingSteps, expected)
            << rows << " rows, " << items << " items";
    }
}

} // namespace
