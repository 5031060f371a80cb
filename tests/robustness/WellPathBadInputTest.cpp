// Bad well path tables (TVD, X, Y in the first three columns), one case per row
// of docs/bad-input.md: the result, the message and the points that stay.
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"
#include "robustness/BadInput.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace robustness;

struct PathCase {
    const char* name;
    std::string file;
    bool loaded;
    std::wstring message; // empty for none
    std::wstring points;  // "TVD X Y; TVD X Y"
    bool hasNull = false; // with NaN as the user's null value
};

TEST(WellPathBadInput, LoadPathGivesTheCataloguedOutcome) {
    const PathCase cases[] = {
        {"missing file", kMissingFile, false, kOpenFailed, L""},
        {"empty file", "", false, L"", L""},
        {"text in numeric columns", "TVD X Y\nabc 1 2\n", true, L"", L"0 1 2"},
        {"NaN and infinity", "TVD X Y\nnan inf 2\n", true, L"", L"nan inf 2"},
        {"float overflow in a TVD", "TVD X Y\n1e39 1e39 2\n", true, L"", L"inf 1e+39 2"},
        {"null marker", "TVD X Y\n1 2 3\n-999.25 2 3\n4 5 6\n", false, kNullInPath, L"1 2 3"},
        {"short row: its padding is a null marker", "TVD X Y\n1 2 3\n4\n", false, kNullInPath,
         L"1 2 3"},
        {"header of separators only", "\t\n1 2 3\n", false, L"", L""},
        {"null value NaN matches nothing", "TVD X Y\nnan 2 3\n", true, L"", L"nan 2 3", true},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseFile file;
        CDataFileReader reader;
        reader.SetFilePath(file.Path("path.txt", c.file));
        COMMON::STRUCT_WELL_PATH path;
        CWellPath loader(&reader, &path);
        loader.SetDataType(PATH_TVD_X_Y);
        loader.SetTVDColumn(0);
        loader.SetXColumn(1);
        loader.SetYColumn(2);
        loader.SetHasNullValue(c.hasNull);
        loader.SetNullValue(c.hasNull ? NAN : 0.0f);
        EXPECT_EQ(loader.LoadPath(), c.loaded);
        EXPECT_EQ(file.Shown(), c.message);
        std::wstring points;
        for (const auto& p : path.dqPoints)
            points += (points.empty() ? L"" : L"; ") +
                      Text(std::vector<double>{p.fInclOrDepth, p.uAzimOrX.dValue, p.uY.dValue});
        EXPECT_EQ(points, c.points);
    }
}
