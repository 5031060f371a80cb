#include "welldata/CurveNaming.h"
#include "platform/ExecutablePath.h"
#include "settings/CurveTable.h"
#include "settings/ScopedSettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;
using testing_support::Narrow;

namespace {

struct NameCase {
    std::vector<std::string> lines;
    std::wstring name;
    bool useDisplayName;
    bool result;
    std::wstring answer;
};

TEST(CurveNamingTest, CurveNameIsTheFirstOrSecondAliasOfItsEntry) {
    const std::vector<NameCase> cases = {
        {{"21=GR GammaRay"}, L"gr", false, true, L"GR"},
        {{"21=GR GammaRay"}, L"gr", true, true, L"GammaRay"},
        {{"21=GR GammaRay GAMMA"}, L"gamma", true, true, L"GammaRay"},
        {{"21=GR 自然伽马"}, L"自然伽马", false, true, L"GR"},
        // Fewer than two aliases, or no entry: the name comes back.
        {{"21=GR"}, L"GR", false, false, L"GR"},
        {{"21=GR"}, L"gr", true, false, L"gr"},
        {{"21=GR GammaRay"}, L"GR1", false, false, L"GR1"},
        {{"21=GR GammaRay"}, L"RT", false, false, L"RT"},
        // The entry is fetched again by its canonical name: the first line wins.
        {{"21=GR", "40=gr GammaRay CGR"}, L"CGR", true, false, L"CGR"},
        {{"40=gr GammaRay", "21=GR CGR"}, L"CGR", true, true, L"GammaRay"},
        // Any id will do for a name, even one the curve table does not hold.
        {{"60=ABC Abc"}, L"abc", true, true, L"Abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name) + (c.useDisplayName ? " display" : " standard"));
        ScopedSettingsFile file(SectionText("well_log", c.lines));
        std::wstring result = L"previous";
        EXPECT_EQ(get_curve_name(c.name.c_str(), &result, c.useDisplayName), c.result);
        EXPECT_EQ(result, c.answer);
    }
}

TEST(CurveNamingTest, EmptyNameLeavesTheResultAlone) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR GammaRay"}));
    std::wstring result = L"previous";
    EXPECT_FALSE(get_curve_name(nullptr, &result, false));
    EXPECT_FALSE(get_curve_name(L"", &result, true));
    EXPECT_EQ(result, L"previous");
    EXPECT_FALSE(get_curve_name(L"GR", nullptr, false));
}

struct UnitsCase {
    std::string line;
    std::wstring name;
    std::vector<std::wstring> units;
};

TEST(CurveNamingTest, CurveUnitsReplaceTheVectorsContents) {
    const std::vector<UnitsCase> cases = {
        {"21=GR GammaRay", L"GR", {L"API", L"GAPI", L"微伦琴/小时"}},
        {"30=RT", L"rt", {L"\u03A9\u00B7M", L"ohm.m", L"欧姆\u00B7米"}},
        {"49=POR", L"POR", {}},
        {"22=NGS", L"NGS", {}},
        {"21=GR", L"GR1", {}},
        {"21=GR", L"RT", {}},
        // Ids without a curve table row.
        {"0=ZERO", L"ZERO", {}},
        {"16=AZIM", L"AZIM", {}},
        {"55=TOP", L"TOP", {}},
        {"65535=HIGH", L"HIGH", {}},
    };
    const wchar_t* const stale = L"stale";
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        ScopedSettingsFile file(SectionText("well_log", {c.line}));
        std::vector<const wchar_t*> units(5, stale);
        EXPECT_EQ(get_curve_units(c.name.c_str(), &units), c.units.size());
        ASSERT_EQ(units.size(), c.units.size());
        for (size_t i = 0; i < units.size(); ++i)
            EXPECT_EQ(std::wstring(units[i]), c.units[i]);
    }
}

TEST(CurveNamingTest, CurveUnitsAreTheTablesOwnTexts) {
    ScopedSettingsFile file(SectionText("well_log", {"25=DEN"}));
    std::vector<const wchar_t*> units;
    ASSERT_EQ(get_curve_units(L"DEN", &units), 2u);
    EXPECT_EQ(units[0], FindCurveDefinition(25)->units[0]);
    EXPECT_EQ(units[1], FindCurveDefinition(25)->units[1]);
}

TEST(CurveNamingTest, EmptyNameLeavesTheUnitsAlone) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR"}));
    std::vector<const wchar_t*> units(2, L"stale");
    EXPECT_EQ(get_curve_units(nullptr, &units), 0u);
    EXPECT_EQ(get_curve_units(L"", &units), 0u);
    EXPECT_EQ(units.size(), 2u);
    EXPECT_EQ(get_curve_units(L"GR", nullptr), 0u);
}

TEST(CurveNamingTest, WithoutSettingsFileNamesComeBackAndNoUnits) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR GammaRay"}));
    welldata::SetSettingsFilePath(file.Path() + L".absent");
    std::wstring result;
    EXPECT_FALSE(get_curve_name(L"GR", &result, true));
    EXPECT_EQ(result, L"GR");
    std::vector<const wchar_t*> units(1, L"stale");
    EXPECT_EQ(get_curve_units(L"GR", &units), 0u);
    EXPECT_TRUE(units.empty());
}

// The real rule: the file beside the executable, named after it.
TEST(CurveNamingTest, ReadsTheSettingsFileBesideTheExecutable) {
    welldata::SetSettingsFilePath(L"");
    const std::filesystem::path path = Narrow(welldata::GetExecutablePath() + L".well_attri.ini");
    ASSERT_FALSE(std::filesystem::exists(path)) << path << " is in the way";
    {
        std::ofstream out(path, std::ios::binary);
        out << SectionText("well_log", {"21=GR GammaRay"});
    }
    std::wstring result;
    std::vector<const wchar_t*> units;
    const bool named = get_curve_name(L"gr", &result, true);
    const unsigned int count = get_curve_units(L"gr", &units);
    std::filesystem::remove(path);
    EXPECT_TRUE(named);
    EXPECT_EQ(result, L"GammaRay");
    EXPECT_EQ(count, 3u);
}

} // namespace
