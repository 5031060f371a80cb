// The progress protocol of a read: range 0..200, about 20 steps while reading and
// about 60 while parsing, nothing in preview modes.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::FakeProgressCtrl;

namespace {

int StepsFor(const std::string& bytes, int mode, FakeProgressCtrl& bar) {
    testing_support::ScratchFile file;
    file.reader.SetProgressCtrl(&bar);
    file.Read(bytes, mode);
    return bar.totalSteps;
}

std::string Table(int rows) {
    std::string text = "DEPTH GR\n";
    for (int i = 0; i < rows; ++i)
        text += std::to_string(2000 + i) + ".125 " + std::to_string(i % 150) + ".5\n";
    return text;
}

} // namespace

TEST(ReadProgress, AboutTwentyStepsReadingAndSixtyParsing) {
    FakeProgressCtrl bar, tiny, preview, hidden;
    // 5000 rows / 60 = stride 83: rows 0..4980 give 61 steps.
    EXPECT_EQ(StepsFor(Table(5000), CDataFileReader::kReadAll, bar), 20 + 61);
    int lower = -1, upper = -1;
    bar.GetRange(lower, upper);
    EXPECT_EQ(std::tuple(lower, upper, bar.step, bar.position), std::tuple(0, 200, 1, 81));
    // 4 bytes: no reading steps, and no division by zero.
    EXPECT_EQ(StepsFor("A\n1\n", CDataFileReader::kReadAll, tiny), 61);
    // Previews set the range but do not step; hidden bars are left alone.
    EXPECT_EQ(StepsFor(Table(5000), CDataFileReader::kReadPreview, preview), 0);
    EXPECT_EQ(preview.rangeSets, 1);
    hidden.hasWindow = false;
    EXPECT_EQ(StepsFor(Table(5000), CDataFileReader::kReadAll, hidden), 0);
    EXPECT_EQ(hidden.rangeSets, 0);
}
