#include "settings/WellAttributeLookup.h"
#include "settings/ScopedSettingsFile.h"

#include <gtest/gtest.h>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;

constexpr unsigned int kUntouched = 999; // not found

TEST(WellAttributeLookupTest, FindsTheFirstWholeNameElseTheBestPrefix) {
    const std::tuple<std::vector<std::string>, bool, std::wstring, unsigned int> cases[] = {
        {{"17=DEPTH DEPT MD"}, true, L"dept", 17},
        {{"17=DEPTH DEPT MD"}, true, L"DEPTHS", kUntouched},
        {{"1=A", "2=a"}, true, L"a", 1},
        {{"14=TVD  TRUEDEPTH"}, true, L"TRUEDEPTH", 14},
        {{"14=TVD  TRUEDEPTH"}, false, L"Q", kUntouched},
        {{"21=GR"}, false, L"gr1", 21},
        {{"14=TVD", "8=MD"}, false, L"TVDSS", 14},
        {{"9=XCOORD", "10=X1"}, false, L"X1", 10},
        {{"14=TVDX", "8=TVD"}, false, L"tvd", 8},
        {{"9=X", "10=XYZ"}, false, L"XYZW", 10},
        {{"14=TVDS", "8=TVDSAB"}, false, L"TVDSA", 8},
        {{"17=depth"}, false, L"DEPTHX", kUntouched},
        {{"55=TOP", "56=BOTTOM"}, false, L"THICK", 55},
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

// Curve naming finds a name, then fetches the entry of the matched line's first
// alias (case-insensitively, first line wins).
TEST(WellAttributeLookupTest, GivesTheEntryOfTheLastExactMatchByItsCanonicalName) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR GammaRay", "40=gr CGR", "30=RT"}));
    WellAttributeLookup lookup(WellAttributeSection::WellLog, false);
    std::wstring name = L"before";
    EXPECT_FALSE(lookup.GetMatchedName(name));
    unsigned int id = 0;
    ASSERT_TRUE(lookup.FindAttribute(L"cgr", id));
    ASSERT_TRUE(lookup.FindAttribute(L"RTX", id)); // by prefix: the position stays
    ASSERT_TRUE(lookup.GetMatchedName(name));
    EXPECT_EQ(name, L"gr");
    WellAttributeEntry entry;
    EXPECT_EQ(lookup.GetEntry(name.c_str(), entry), 2);
    EXPECT_EQ(entry.id, 21);
    EXPECT_EQ(entry.aliases, (std::vector<std::wstring>{L"GR", L"GammaRay"}));
    EXPECT_EQ(lookup.GetEntry(L"GammaRay", entry), 0); // only first aliases are canonical
    EXPECT_TRUE(entry.id == 0 && entry.aliases.empty());
    EXPECT_EQ(lookup.FindEntryIndex(L"RT"), 2);
}
