// Names recognised through the settings file: its lines read as an id and
// aliases, names looked up whole or by the best prefix, and the columns the
// dialogs preselect (the last column standing for an attribute wins, id 0 and
// ineligible columns are left out).
#include "settings/WellAttributeLookup.h"
#include "settings/ColumnRecognizer.h"
#include "settings/ScopedSettingsFile.h"
#include "settings/WellAttributeEntry.h"

#include <gtest/gtest.h>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;

TEST(WellAttributeEntryTest, ReadsIdAndAliasesOfALine) {
    const std::tuple<std::wstring, std::uint16_t, std::vector<std::wstring>> cases[] = {
        {L"17=DEPTH DEPT MD", 17, {L"DEPTH", L"DEPT", L"MD"}},
        {L"14=TVD  TRUEDEPTH", 14, {L"TVD", L"", L"TRUEDEPTH"}},
        {L"21=GR  ", 21, {L"GR", L""}},
        {L"21=GR=X\tY", 21, {L"GR=X\tY"}},
        {L" \t21abc=A", 21, {L"A"}},
        {L"99999999999=A", 65535, {L"A"}}};
    for (const auto& [line, id, aliases] : cases) {
        const auto entry = WellAttributeEntry::FromLine(line);
        ASSERT_TRUE(entry.has_value()) << testing_support::Narrow(line);
        EXPECT_EQ(std::tie(entry->id, entry->aliases), std::tie(id, aliases))
            << testing_support::Narrow(line);
    }
    EXPECT_FALSE(WellAttributeEntry::FromLine(L"17 DEPTH").has_value());
}

constexpr unsigned int kUntouched = 999; // not found

TEST(WellAttributeLookupTest, FindsTheFirstWholeNameElseTheBestPrefix) {
    const std::tuple<std::vector<std::string>, bool, std::wstring, unsigned int> cases[] = {
        {{"17=DEPTH DEPT MD"}, true, L"dept", 17},
        {{"1=A", "2=a"}, true, L"a", 1},
        {{"14=TVD  TRUEDEPTH"}, true, L"TRUEDEPTH", 14},
        {{"14=TVD  TRUEDEPTH"}, false, L"Q", kUntouched},
        {{"21=GR"}, false, L"gr1", 21},
        {{"14=TVDX", "8=TVD"}, false, L"tvd", 8},
        {{"9=X", "10=XYZ"}, false, L"XYZW", 10},
        {{"14=TVDS", "8=TVDSAB"}, false, L"TVDSA", 8},
        {{"57=岩性描述"}, false, L"岩心", 57},
        {{"0=AC", "16=AZIM"}, false, L"AC", 0}};
    for (const auto& [lines, exactOnly, name, expected] : cases) {
        ScopedSettingsFile file(SectionText("well_path", lines));
        unsigned int id = kUntouched;
        EXPECT_EQ(WellAttributeLookup(WellAttributeSection::WellPath, exactOnly)
                      .FindAttribute(name.c_str(), id),
                  expected != kUntouched);
        EXPECT_EQ(id, expected) << testing_support::Narrow(name) << (exactOnly ? " exact" : "");
    }
    unsigned int id = kUntouched;
    EXPECT_FALSE(
        WellAttributeLookup(WellAttributeSection::WellPath, false).FindAttribute(nullptr, id));
}

TEST(ColumnRecognizerTest, TheLastColumnOfAnAttributeWins) {
    ScopedSettingsFile settings(
        SectionText("well_head", {"1=WELLNAME NAME", "3=X XCOORD", "4=Y", "0=REMARK"}));
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
