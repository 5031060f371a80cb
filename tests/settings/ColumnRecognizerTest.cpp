// Columns recognised by name as the dialogs preselect them: the last column
// standing for an attribute wins, id 0 and ineligible columns are left out.
#include "settings/ColumnRecognizer.h"
#include "ScopedSettingsFile.h"

#include <gtest/gtest.h>

TEST(ColumnRecognizerTest, TheLastColumnOfAnAttributeWins) {
    settings_test::ScopedSettingsFile settings(settings_test::SectionText(
        "well_head", {"1=WELLNAME NAME", "3=X XCOORD", "4=Y", "0=REMARK"}));
    ColumnRecognizer recognizer(WellAttributeSection::WellHead, false);
    // XCOORD and X both stand for 3; REMARK stands for 0, "Z" for nothing.
    const auto columns = recognizer.FindColumns({L"name", L"XCOORD", L"Y", L"REMARK", L"X", L"Z"});
    EXPECT_EQ(columns, (std::map<unsigned int, int>{{1, 0}, {3, 4}, {4, 2}}));
    // A column the caller rules out (its first value is text, say) is skipped.
    const auto numeric =
        recognizer.FindColumns({L"name", L"XCOORD", L"Y", L"X"}, [](int c) { return c != 3; });
    EXPECT_EQ(numeric.at(3), 1);
    EXPECT_EQ(recognizer.Recognize(L"XCOORDINATE"), 3u); // by prefix
    EXPECT_EQ(ColumnRecognizer(WellAttributeSection::WellHead, true).Recognize(L"XCOORDINATE"), 0u);
}
