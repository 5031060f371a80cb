#include "settings/WellAttributeLookup.h"
#include "settings/ScopedSettingsFile.h"

#include <gtest/gtest.h>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;

namespace {

constexpr unsigned int kUntouched = 999;

TEST(WellAttributeLookupTest, FindsTheFirstWholeNameElseTheBestPrefix) {
    const struct {
        std::vector<std::string> lines;
        bool exactOnly;
        std::wstring name;
        unsigned int id; // kUntouched: not found
    } cases[] = {
        {{"17=DEPTH DEPT MD"}, true, L"dept", 17},
        {{"17=DEPTH DEPT MD"}, true, L"DEPTHS", kUntouched},
        {{"1=A", "2=a"}, true, L"a", 1},
        {{"14=TVD  TRUEDEPTH"}, true, L"TRUEDEPTH", 14},
        {{"14=TVD  TRUEDEPTH"}, false, L"Q", kUntouched},
        {{"8="}, false, L"MD", kUntouched},
        {{"21=GR"}, true, L"GR1", kUntouched},
        {{"21=GR"}, false, L"", kUntouched},
        {{"21=GR"}, false, L"gr1", 21},
        {{"21=GR"}, false, L"ZZZ", kUntouched},
        {{"14=TVD", "8=MD"}, false, L"TVDSS", 14},
        {{"9=XCOORD", "10=X1"}, false, L"X1", 10},
        {{"14=TVDX", "8=TVD"}, false, L"tvd", 8},
        {{"9=X", "10=XYZ"}, false, L"XYZW", 10},
        {{"14=TVDSSX", "8=TVDSA1"}, false, L"TVDSA", 14},
        {{"14=TVDS", "8=TVDSAB"}, false, L"TVDSA", 8},
        {{"17=depth"}, false, L"DEPTHX", kUntouched},
        {{"17=depth"}, false, L"Depth", 17},
        {{"55=TOP", "56=BOTTOM"}, false, L"THICK", 55},
        {{"57=岩性描述"}, false, L"岩心", 57},
        {{"0=AC", "16=AZIM"}, false, L"AC", 0},
    };
    for (const auto& c : cases) {
        ScopedSettingsFile file(SectionText("well_path", c.lines));
        WellAttributeLookup lookup(WellAttributeSection::WellPath, c.exactOnly);
        unsigned int id = kUntouched;
        const std::string trace = testing_support::Narrow(c.name) + (c.exactOnly ? " exact" : "");
        EXPECT_EQ(lookup.FindAttribute(c.name.c_str(), id), c.id != kUntouched) << trace;
        EXPECT_EQ(id, c.id) << trace;
    }
    unsigned int id = kUntouched;
    EXPECT_FALSE(
        WellAttributeLookup(WellAttributeSection::WellPath, false).FindAttribute(nullptr, id));
}

TEST(WellAttributeLookupTest, GivesTheEntryOfAnExactMatchByItsCanonicalName) {
    ScopedSettingsFile file(
        SectionText("well_log", {"21=GR GammaRay", "40=gr CGR", "30=RT", "8="}));
    WellAttributeLookup lookup(WellAttributeSection::WellLog, false);
    std::wstring name = L"before";
    EXPECT_FALSE(lookup.GetMatchedName(name));
    unsigned int id = 0;
    ASSERT_TRUE(lookup.FindAttribute(L"cgr", id));
    ASSERT_TRUE(lookup.FindAttribute(L"RTX", id)); // by prefix: the position stays
    ASSERT_TRUE(lookup.GetMatchedName(name));
    EXPECT_EQ(name, L"gr");

    EXPECT_EQ(lookup.GetCount(), 4);
    EXPECT_EQ(lookup.FindEntryIndex(L"Gr"), 0);
    EXPECT_EQ(lookup.FindEntryIndex(L"RT"), 2);
    EXPECT_EQ(lookup.FindEntryIndex(L"GammaRay"), -1);
    EXPECT_EQ(lookup.FindEntryIndex(L""), -1);
    EXPECT_EQ(lookup.FindEntryIndex(nullptr), -1);
    WellAttributeEntry entry;
    EXPECT_EQ(lookup.GetEntry(name.c_str(), entry), 2);
    EXPECT_EQ(entry.id, 21);
    EXPECT_EQ(entry.aliases, (std::vector<std::wstring>{L"GR", L"GammaRay"}));
    EXPECT_EQ(lookup.GetEntry(L"CGR", entry), 0);
    EXPECT_EQ(entry.id, 0);
    EXPECT_TRUE(entry.aliases.empty());
}

TEST(WellAttributeLookupTest, EachSelectorReadsItsOwnSectionAfresh) {
    ScopedSettingsFile file(SectionText("well_head", {"1=NAME"}) +
                            SectionText("WELL_PATH", {"8=MD", "9=X"}) +
                            SectionText("well_log", {"17=DEPTH", "18=TVD", "21=GR"}) +
                            SectionText("rock_core", {"55=TOP", "56=BOTTOM", "57=DESC", "9=X"}));
    const std::pair<int, int> counts[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {5, 4}};
    for (const auto& [selector, count] : counts)
        EXPECT_EQ(
            WellAttributeLookup(static_cast<WellAttributeSection>(selector), false).GetCount(),
            count)
            << selector;

    welldata::SetSettingsFilePath(file.Path() + L".absent");
    WellAttributeLookup lookup(WellAttributeSection::WellLog, false);
    unsigned int id = 0;
    EXPECT_EQ(lookup.GetCount(), 0);
    EXPECT_FALSE(lookup.FindAttribute(L"GR", id));
}

TEST(WellAttributeLookupTest, ReadsOnlyTheFirst1024CharactersOfASection) {
    // 128 lines of 7 characters and a NUL each, of which 1022 characters are
    // read: the last line arrives as "21=A12".
    std::string text = "[well_log]\n";
    for (int i = 0; i < 128; ++i)
        text += "21=A" + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i) + "\n";
    ScopedSettingsFile file(text + "22=LATE\n");
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    unsigned int id = 0;
    EXPECT_EQ(lookup.GetCount(), 128);
    EXPECT_TRUE(lookup.FindAttribute(L"A126", id));
    EXPECT_FALSE(lookup.FindAttribute(L"A127", id));
    EXPECT_TRUE(lookup.FindAttribute(L"A12", id));
    EXPECT_FALSE(lookup.FindAttribute(L"LATE", id));
}

} // namespace
