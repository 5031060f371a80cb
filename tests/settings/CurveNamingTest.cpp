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

TEST(CurveNamingTest, CurveNameIsTheFirstOrSecondAliasOfItsEntry) {
    const struct {
        std::vector<std::string> lines;
        std::wstring name;
        bool useDisplayName;
        bool result;
        std::wstring answer;
    } cases[] = {
        {{"21=GR GammaRay"}, L"gr", false, true, L"GR"},
        {{"21=GR GammaRay"}, L"gr", true, true, L"GammaRay"},
        {{"21=GR 自然伽马 GAMMA"}, L"gamma", true, true, L"自然伽马"},
        // Fewer than two aliases, or no entry: the name comes back.
        {{"21=GR"}, L"gr", true, false, L"gr"},
        {{"21=GR GammaRay"}, L"GR1", false, false, L"GR1"},
        // The entry is fetched again by its canonical name: the first line wins.
        {{"21=GR", "40=gr GammaRay CGR"}, L"CGR", true, false, L"CGR"},
        {{"40=gr GammaRay", "21=GR CGR"}, L"CGR", true, true, L"GammaRay"},
        {{"60=ABC Abc"}, L"abc", true, true, L"Abc"},
    };
    for (const auto& c : cases) {
        ScopedSettingsFile file(SectionText("well_log", c.lines));
        std::wstring result = L"previous";
        EXPECT_EQ(get_curve_name(c.name.c_str(), &result, c.useDisplayName), c.result)
            << Narrow(c.name);
        EXPECT_EQ(result, c.answer);
    }
}

TEST(CurveNamingTest, CurveUnitsReplaceTheVectorsContents) {
    const struct {
        std::string line;
        std::wstring name;
        std::vector<std::wstring> units;
    } cases[] = {{"21=GR GammaRay", L"GR", {L"API", L"GAPI", L"微伦琴/小时"}},
                 {"30=RT", L"rt", {L"\u03A9\u00B7M", L"ohm.m", L"欧姆\u00B7米"}},
                 {"49=POR", L"POR", {}},
                 {"21=GR", L"GR1", {}},
                 {"0=ZERO", L"ZERO", {}}, // ids without a curve table row
                 {"65535=HIGH", L"HIGH", {}}};
    for (const auto& c : cases) {
        ScopedSettingsFile file(SectionText("well_log", {c.line}));
        std::vector<const wchar_t*> units(5, L"stale");
        EXPECT_EQ(get_curve_units(c.name.c_str(), &units), c.units.size()) << Narrow(c.name);
        EXPECT_EQ(std::vector<std::wstring>(units.begin(), units.end()), c.units);
    }
    ScopedSettingsFile file(SectionText("well_log", {"25=DEN"}));
    std::vector<const wchar_t*> units;
    ASSERT_EQ(get_curve_units(L"DEN", &units), 2u);
    EXPECT_EQ(units[1], FindCurveDefinition(25)->units[1]) << "the table's own static text";
}

TEST(CurveNamingTest, EmptyNameOrNoSettingsFile) {
    ScopedSettingsFile file(SectionText("well_log", {"21=GR GammaRay"}));
    std::wstring result = L"previous";
    std::vector<const wchar_t*> units(2, L"stale");
    EXPECT_FALSE(get_curve_name(nullptr, &result, false));
    EXPECT_FALSE(get_curve_name(L"", &result, true));
    EXPECT_FALSE(get_curve_name(L"GR", nullptr, false));
    EXPECT_EQ(get_curve_units(nullptr, &units), 0u);
    EXPECT_EQ(get_curve_units(L"", &units), 0u);
    EXPECT_EQ(get_curve_units(L"GR", nullptr), 0u);
    EXPECT_EQ(result, L"previous");
    EXPECT_EQ(units.size(), 2u);

    welldata::SetSettingsFilePath(file.Path() + L".absent");
    EXPECT_FALSE(get_curve_name(L"GR", &result, true));
    EXPECT_EQ(result, L"GR");
    EXPECT_EQ(get_curve_units(L"GR", &units), 0u);
    EXPECT_TRUE(units.empty());
}

TEST(CurveNamingTest, ReadsTheSettingsFileBesideTheExecutable) {
    welldata::SetSettingsFilePath(L"");
    const std::filesystem::path path = Narrow(welldata::GetExecutablePath() + L".well_attri.ini");
    ASSERT_FALSE(std::filesystem::exists(path)) << path << " is in the way";
    std::ofstream(path, std::ios::binary) << SectionText("well_log", {"21=GR GammaRay"});
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
