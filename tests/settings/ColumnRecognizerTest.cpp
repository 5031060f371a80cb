// Columns recognised by name as the dialogs preselect them: the last column
// standing for an attribute wins, id 0 and ineligible columns are left out.
#include "settings/ColumnRecognizer.h"
#include "ScopedSettingsFile.h"

#include <gtest/gtest.h>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;

namespace {

const std::string kSettings =
    SectionText("well_head", {"1=WELLNAME NAME", "3=X XCOORD", "4=Y", "0=REMARK"}) +
    SectionText("well_log", {"17=DEPTH DEPT", "21=GR GAMMA"});

TEST(ColumnRecognizerTest, TheLastColumnOfAnAttributeWins) {
    ScopedSettingsFile settings(kSettings);
    ColumnRecognizer recognizer(WellAttributeSection::WellHead, false);
    // XCOORD and X both stand for 3; REMARK stands for 0, "Z" for nothing.
    const auto columns = recognizer.FindColumns({L"name", L"XCOORD", L"Y", L"REMARK", L"X", L"Z"});
    const std::map<unsigned int, int> expected = {{1, 0}, {3, 4}, {4, 2}};
    EXPECT_EQ(columns, expected);

    // A column the caller rules out (its first value is text, say) is skipped.
    const auto numeric =
        recognizer.FindColumns({L"name", L"XCOORD", L"Y", L"X"}, [](int c) { return c != 3; });
    EXPECT_EQ(numeric.at(3), 1);
}

TEST(ColumnRecognizerTest, ExactModeIgnoresPrefixes) {
    ScopedSettingsFile settings(kSettings);
    const struct {
        WellAttributeSection section;
        bool exactOnly;
        const wchar_t* name;
        unsigned int id;
    } cases[] = {
        {WellAttributeSection::WellLog, true, L"dept", 17},
        {WellAttributeSection::WellLog, true, L"GR1", 0},
        {WellAttributeSection::WellHead, false, L"XCOORDINATE", 3},
        {WellAttributeSection::WellHead, false, L"", 0},
        {WellAttributeSection::RockCore, false, L"TOP", 0},
    };
    for (const auto& c : cases) {
        ColumnRecognizer recognizer(c.section, c.exactOnly);
        EXPECT_EQ(recognizer.Recognize(c.name), c.id) << testing_support::Narrow(c.name);
    }
}

} // namespace
