// Bad well path tables (TVD, X, Y in the first three columns): the message, the
// result and the points that stay in the record, one row of docs/bad-input.md
// per case.
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"
#include "robustness/BadInput.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace robustness;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct PathCase {
    const char* name;
    std::string file;
    bool loaded;
    std::wstring message; // the one message shown, empty for none
    size_t points;
    double lastTvd = 0; // TVD of the last point kept
    double lastX = 0;
    float nullValue = 0; // the user's null value, when `hasNull`
    bool hasNull = false;
};

std::vector<PathCase> Cases() {
    return {
        {"missing file", kMissingFile, false, kOpenFailed, 0},
        {"empty file", "", false, L"", 0},
        {"text in numeric columns", "TVD X Y\nabc 1 2\n", true, L"", 1, 0, 1},
        {"NaN and infinity", "TVD X Y\nnan inf 2\n", true, L"", 1, kNaN, kInf},
        {"float overflow in a TVD", "TVD X Y\n1e39 1e39 2\n", true, L"", 1, kInf, 1e39},
        {"null marker", "TVD X Y\n1 2 3\n-999.25 2 3\n4 5 6\n", false, kNullInPath, 1, 1, 2},
        {"short row: its padding is a null marker", "TVD X Y\n1 2 3\n4\n", false, kNullInPath, 1, 1,
         2},
        {"header of separators only", "\t\n1 2 3\n", false, L"", 0},
        {"null value NaN matches nothing", "TVD X Y\nnan 2 3\n", true, L"", 1, kNaN, 2, NAN, true},
    };
}

bool Same(double actual, double expected) {
    return std::isnan(expected) ? std::isnan(actual) : actual == expected;
}

} // namespace

TEST(WellPathBadInput, LoadPathGivesTheCataloguedOutcome) {
    for (const PathCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        testing_support::ScratchDir dir;
        testing_support::MessageCapture messages;
        CDataFileReader reader;
        reader.SetFilePath(FileOrMissing(dir, "path.txt", c.file));
        COMMON::STRUCT_WELL_PATH path;
        CWellPath loader(&reader, &path);
        loader.SetDataType(PATH_TVD_X_Y);
        loader.SetTVDColumn(0);
        loader.SetXColumn(1);
        loader.SetYColumn(2);
        loader.SetHasNullValue(c.hasNull);
        loader.SetNullValue(c.nullValue);
        EXPECT_EQ(loader.LoadPath(), c.loaded);
        ExpectMessage(messages, c.message);
        ASSERT_EQ(path.dqPoints.size(), c.points);
        if (c.points == 0)
            continue;
        EXPECT_TRUE(Same(path.dqPoints.back().fInclOrDepth, c.lastTvd));
        EXPECT_TRUE(Same(path.dqPoints.back().uAzimOrX.dValue, c.lastX));
    }
}
