#include "welldata/CurveNaming.h"
#include "platform/ExecutablePath.h"
#include "settings/ScopedSettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using settings_test::ScopedSettingsFile;
using settings_test::SectionText;
using testing_support::Narrow;
using Units = std::vector<std::wstring>;

// The name is the first or second alias of its entry; the units those of the
// entry's id in the curve table, replacing what the vector held.
TEST(CurveNamingTest, NameAndUnitsOfACurve) {
    const Units kGamma = {L"API", L"GAPI", L"微伦琴/小时"};
    // Section lines, name, display name wanted, named, the answer, the units.
    using Case =
        std::tuple<std::vector<std::string>, std::wstring, bool, bool, std::wstring, Units>;
    const Case cases[] = {
        {{"21=GR GammaRay"}, L"gr", false, true, L"GR", kGamma},
        {{"21=GR 自然伽马 GAMMA"}, L"gamma", true, true, L"自然伽马", kGamma},
        // Fewer than two aliases: the name comes back.
        {{"21=GR"}, L"gr", true, false, L"gr", kGamma},
        // The entry is fetched again by its canonical name: the first line wins.
        {{"40=gr GammaRay", "21=GR CGR"}, L"CGR", true, true, L"GammaRay", kGamma},
        // Ids without a curve table row.
        {{"60=ABC Abc"}, L"abc", true, true, L"Abc", {}},
    };
    for (const auto& [lines, name, useDisplayName, named, answer, units] : cases) {
        SCOPED_TRACE(Narrow(name));
        ScopedSettingsFile file(SectionText("well_log", lines));
        std::wstring result = L"previous";
        EXPECT_EQ(get_curve_name(name.c_str(), &result, useDisplayName), named);
        EXPECT_EQ(result, answer);
        std::vector<const wchar_t*> got(5, L"stale");
        EXPECT_EQ(get_curve_units(name.c_str(), &got), units.size());
        EXPECT_EQ(Units(got.begin(), got.end()), units);
    }
}

TEST(CurveNamingTest, ReadsTheSettingsFileBesideTheExecutable) {
    welldata::SetSettingsFilePath(L"");
    const std::filesystem::path path = Narrow(welldata::GetExecutablePath() + L".well_attri.ini");
    ASSERT_FALSE(std::filesystem::exists(path)) << path << " is in the way";
    std::ofstream(path, std::ios::binary) << SectionText("well_log", {"21=GR GammaRay"});
    std::wstring result;
    const bool named = get_curve_name(L"gr", &result, true);
    std::vector<const wchar_t*> units;
    const unsigned int count = get_curve_units(L"gr", &units);
    std::filesystem::remove(path);
    EXPECT_TRUE(named && result == L"GammaRay") << Narrow(result);
    EXPECT_EQ(count, 3u);
}
