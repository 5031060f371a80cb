// The progress protocol of a read: range 0..200, about 20 steps while reading and
// about 60 while parsing, nothing in preview modes.
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::FakeProgressCtrl;
using testing_support::ScratchDir;

namespace {

int StepsFor(const std::string& bytes, int mode, FakeProgressCtrl& bar) {
    ScratchDir dir;
    CDataFileReader reader;
    reader.SetProgressCtrl(&bar);
    reader.SetFilePath(dir.Write("p.txt", bytes));
    reader.Read(mode);
    return bar.totalSteps;
}

std::string Table(int rows) {
    std::string text = "DEPTH GR\n";
    for (int i = 0; i < rows; ++i)
        text += std::to_string(2000 + i) + ".125 " + std::to_string(i % 150) + ".5\n";
    return text;
}

} // namespace

TEST(ReadProgress, LargeFileTakesAboutTwentyPlusSixtySteps) {
    FakeProgressCtrl bar;
    const int steps = StepsFor(Table(5000), CDataFileReader::kReadAll, bar);
    int lower = -1, upper = -1;
    bar.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 200);
    EXPECT_EQ(bar.step, 1);
    EXPECT_EQ(steps, 20 + 61); // 5000 rows / 60 = stride 83: 0..4980 gives 61
    EXPECT_EQ(bar.position, steps);
}

TEST(ReadProgress, FewRowsStepMoreThanOncePerRow) {
    FakeProgressCtrl bar;
    const std::string table = Table(6);
    const size_t readSteps = table.size() / (table.size() / 20);
    // 6 data rows: 60 / 6 + 1 = 11 steps each.
    EXPECT_EQ(StepsFor(table, CDataFileReader::kReadAll, bar), static_cast<int>(readSteps + 66));
}

TEST(ReadProgress, TinyFileDoesNotDivideByZero) {
    FakeProgressCtrl bar;
    const int steps = StepsFor("A\n1\n", CDataFileReader::kReadAll, bar); // 4 bytes
    EXPECT_EQ(steps, 61);                                                 // parse only
}

TEST(ReadProgress, PreviewsAndHiddenBarsDoNotStep) {
    FakeProgressCtrl bar;
    EXPECT_EQ(StepsFor(Table(5000), CDataFileReader::kReadPreview, bar), 0);
    EXPECT_EQ(bar.rangeSets, 1); // the range is still set
    FakeProgressCtrl hidden;
    hidden.hasWindow = false;
    EXPECT_EQ(StepsFor(Table(5000), CDataFileReader::kReadAll, hidden), 0);
    EXPECT_EQ(hidden.rangeSets, 0);
}
