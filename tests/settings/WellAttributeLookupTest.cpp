#include "settings/WellAttributeLookup.h"
#include "platform/ExecutablePath.h"
#include "settings/ScopedSettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;
using testing_support::Narrow;
using testing_support::Widen;

namespace {

constexpr unsigned int kUntouched = 999;

struct FindCase {
    std::vector<std::string> lines;
    bool exactOnly;
    std::wstring name;
    bool found;
    unsigned int id; // kUntouched: the id must stay as it was
};

TEST(WellAttributeLookupTest, FindAttributeMatchesWholeNamesThenTheBestPrefix) {
    const std::vector<FindCase> cases = {
        // Whole names, case ignored; the first in file order wins.
        {{"17=DEPTH DEPT MD"}, true, L"dept", true, 17},
        {{"17=DEPTH DEPT MD"}, true, L"DEPTHS", false, kUntouched},
        {{"1=A", "2=a"}, true, L"a", true, 1},
        {{"14=TVD  TRUEDEPTH"}, true, L"TRUEDEPTH", true, 14},
        {{"14=TVD  TRUEDEPTH"}, false, L"Q", false, kUntouched},
        {{"8="}, false, L"MD", false, kUntouched},
        {{"21=GR"}, true, L"GR1", false, kUntouched},
        {{"21=GR"}, true, L"", false, kUntouched},
        {{"21=自然伽马"}, true, L"自然伽马", true, 21},
        // Prefixes: the upper-cased name against the alias as written.
        {{"21=GR"}, false, L"gr1", true, 21},
        {{"21=GR"}, false, L"", false, kUntouched},
        {{"21=GR"}, false, L"ZZZ", false, kUntouched},
        {{"14=TVD", "8=MD"}, false, L"TVDSS", true, 14},
        {{"9=XCOORD", "10=X1"}, false, L"X1", true, 10},
        {{"14=TVDX", "8=TVD"}, false, L"tvd", true, 8},
        {{"9=X", "10=XYZ"}, false, L"XYZW", true, 10},
        {{"14=TVDSSX", "8=TVDSA1"}, false, L"TVDSA", true, 14},
        {{"14=TVDS", "8=TVDSAB"}, false, L"TVDSA", true, 8},
        {{"17=depth"}, false, L"DEPTHX", false, kUntouched},
        {{"17=depth"}, false, L"Depth", true, 17},
        {{"55=TOP", "56=BOTTOM"}, false, L"THICK", true, 55},
        {{"57=岩性描述"}, false, L"岩心", true, 57},
        {{"0=AC", "16=AZIM"}, false, L"AC", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name) + (c.exactOnly ? " exact" : " prefix"));
        ScopedSettingsFile file(SectionText("well_path", c.lines));
        WellAttributeLookup lookup(WellAttributeSection::WellPath, c.exactOnly);
        unsigned int id = kUntouched;
        EXPECT_EQ(lookup.FindAttribute(c.name.c_str(), id), c.found);
        EXPECT_EQ(id, c.id);
    }
}

TEST(WellAttributeLookupTest, NullNameIsNeverFound) {
    ScopedSettingsFile file(SectionText("well_path", {"8=MD"}));
    WellAttributeLookup lookup(WellAttributeSection::WellPath, false);
    unsigned int id = kUntouched;
    EXPECT_FALSE(lookup.FindAttribute(nullptr, id));
    EXPECT_EQ(id, kUntouched);
}

TEST(WellAttributeLookupTest, MatchedNameIsTheCanonicalNameOfTheLastExactMatch) {
    ScopedSettingsFile file(SectionText("well_log", {"17=DEPTH DEPT", "21=GR GammaRay"}));
    WellAttributeLookup lookup(WellAttributeSection::WellLog, false);
    std::wstring name = L"before";
    EXPECT_FALSE(lookup.GetMatchedName(name));
    EXPECT_EQ(name, L"before");

    unsigned int id = 0;
    ASSERT_TRUE(lookup.FindAttribute(L"gammaray", id));
    ASSERT_TRUE(lookup.GetMatchedName(name));
    EXPECT_EQ(name, L"GR");

    // A prefix match leaves the last exact position as it was.
    ASSERT_TRUE(lookup.FindAttribute(L"DEPTHS", id));
    EXPECT_EQ(id, 17u);
    ASSERT_TRUE(lookup.GetMatchedName(name));
    EXPECT_EQ(name, L"GR");
}

TEST(WellAttributeLookupTest, EntriesAreFoundByTheirCanonicalNameOnly) {
    ScopedSettingsFile file(
        SectionText("well_log", {"21=GR GammaRay", "40=gr CGR", "30=RT", "8="}));
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    EXPECT_EQ(lookup.GetCount(), 4);
    EXPECT_EQ(lookup.FindEntryIndex(L"Gr"), 0);
    EXPECT_EQ(lookup.FindEntryIndex(L"RT"), 2);
    EXPECT_EQ(lookup.FindEntryIndex(L"GammaRay"), -1);
    EXPECT_EQ(lookup.FindEntryIndex(L""), -1);
    EXPECT_EQ(lookup.FindEntryIndex(nullptr), -1);

    WellAttributeEntry entry;
    EXPECT_EQ(lookup.GetEntry(L"gr", entry), 2);
    EXPECT_EQ(entry.id, 21);
    EXPECT_EQ(entry.aliases, (std::vector<std::wstring>{L"GR", L"GammaRay"}));
    EXPECT_EQ(lookup.GetEntry(L"CGR", entry), 0);
    EXPECT_EQ(entry.id, 0);
    EXPECT_TRUE(entry.aliases.empty());
}

TEST(WellAttributeLookupTest, EachSelectorReadsItsOwnSection) {
    ScopedSettingsFile file(SectionText("well_head", {"1=NAME"}) +
                            SectionText("WELL_PATH", {"8=MD", "9=X"}) +
                            SectionText("well_log", {"17=DEPTH", "18=TVD", "21=GR"}) +
                            SectionText("rock_core", {"55=TOP", "56=BOTTOM", "57=DESC", "9=X"}));
    const std::vector<std::pair<int, int>> counts = {{0, 0}, {1, 1}, {2, 2},
                                                     {3, 3}, {4, 0}, {5, 4}};
    for (const auto& [selector, count] : counts) {
        SCOPED_TRACE(selector);
        WellAttributeLookup lookup(static_cast<WellAttributeSection>(selector), false);
        EXPECT_EQ(lookup.GetCount(), count);
    }
}

TEST(WellAttributeLookupTest, MissingFileOrSectionFailsEveryLookup) {
    ScopedSettingsFile file(SectionText("well_head", {"1=NAME"}));
    for (const bool removeFile : {false, true}) {
        SCOPED_TRACE(removeFile);
        if (removeFile)
            welldata::SetSettingsFilePath(file.Path() + L".absent");
        WellAttributeLookup lookup(WellAttributeSection::WellLog, false);
        unsigned int id = 0;
        WellAttributeEntry entry;
        EXPECT_EQ(lookup.GetCount(), 0);
        EXPECT_FALSE(lookup.FindAttribute(L"NAME", id));
        EXPECT_EQ(lookup.FindEntryIndex(L"NAME"), -1);
        EXPECT_EQ(lookup.GetEntry(L"NAME", entry), 0);
    }
}

TEST(WellAttributeLookupTest, ReadsOnlyTheFirst1024CharactersOfASection) {
    // 128 lines of 7 characters, each with its NUL: 1024 characters, of which
    // 1022 are read, so the last line arrives as "21=A12".
    std::string text = "[well_log]\n";
    for (int i = 0; i < 128; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "21=A%03d\n", i);
        text += line;
    }
    text += "22=LATE\n";
    ScopedSettingsFile file(text);
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    EXPECT_EQ(lookup.GetCount(), 128);
    unsigned int id = 0;
    EXPECT_TRUE(lookup.FindAttribute(L"A126", id));
    EXPECT_FALSE(lookup.FindAttribute(L"A127", id));
    EXPECT_TRUE(lookup.FindAttribute(L"A12", id));
    EXPECT_FALSE(lookup.FindAttribute(L"LATE", id));
}

TEST(WellAttributeLookupTest, EveryLookupReadsTheFileAfresh) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR"}));
    WellAttributeLookup before(WellAttributeSection::WellLog, true);
    testing_support::ScratchDir dir;
    welldata::SetSettingsFilePath(
        dir.Write("next.ini", SectionText("well_log", {"30=RT", "31=RXO"})));
    WellAttributeLookup after(WellAttributeSection::WellLog, true);
    EXPECT_EQ(before.GetCount(), 1);
    EXPECT_EQ(after.GetCount(), 2);
}

TEST(WellAttributeLookupTest, SettingsFileIsBesideTheExecutableUnlessSet) {
    const std::wstring besideExecutable = welldata::GetExecutablePath() + L".well_attri.ini";
    EXPECT_EQ(welldata::GetSettingsFilePath(), besideExecutable);
    welldata::SetSettingsFilePath(L"/elsewhere/host.ini");
    EXPECT_EQ(welldata::GetSettingsFilePath(), L"/elsewhere/host.ini");
    welldata::SetSettingsFilePath(L"");
    EXPECT_EQ(welldata::GetSettingsFilePath(), besideExecutable);
}

} // namespace
