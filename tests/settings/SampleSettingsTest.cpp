// The example settings file must recognise the columns of the sample layouts
// the file dialog shows, and common real-world curve names.
#include "settings/WellAttributeLookup.h"
#include "support/TestSupport.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

#include <sstream>

using testing_support::Narrow;

static const std::wstring kSample = testing_support::SamplePath("welldata.well_attri.ini");

// Each section in the matching mode its callers use (exact for log curves);
// 0 is an entry that stands for no column, 999 no entry at all.
TEST(SampleSettingsTest, RecognisesTheSampleLayoutsAndLocalNames) {
    welldata::SetSettingsFilePath(kSample);
    using S = WellAttributeSection;
    const std::tuple<S, std::wstring, std::vector<unsigned int>> layouts[] = {
        {S::WellHead, L"wellname X-coord Y-coord Kb TopD BottomD Symbol", {1, 3, 4, 7, 5, 6, 2}},
        {S::WellHead, L"井名 横坐标 纵坐标 补心海拔 井深", {1, 3, 4, 7, 6}},
        {S::WellPath, L"垂深 井斜 方位 DEVIATION TVDSS", {14, 15, 16, 15, 14}},
        {S::WellPath, L"#DEPTH AC CALI DEN RT", {8, 0, 0, 0, 0}}, // a log file: only the depth
        {S::WellLog, L"#DEPTH DEPTH DEPT AC CALI CNL DEN GR", {17, 17, 17, 20, 19, 24, 25, 21}},
        {S::WellLog, L"自然伽马 声波时差 GR1", {21, 20, 999}},
        // The curves of the public LAS sample 1.2 as a peer reader listed them.
        {S::WellLog, L"DEPT DT RHOB NPHI SFLU SFLA ILM ILD", {17, 20, 25, 24, 27, 999, 34, 35}},
        {S::RockCore, L"DEPTH POR PERM SW VCAL", {55, 999, 999, 999, 999}},
        {S::RockCore, L"顶深 底深 岩性 Description", {55, 56, 57, 57}},
    };
    for (const auto& [section, names, expected] : layouts) {
        WellAttributeLookup lookup(section, section == S::WellLog);
        std::vector<unsigned int> ids;
        std::wistringstream in(names);
        for (std::wstring name; in >> name;) {
            ids.push_back(999);
            lookup.FindAttribute(name.c_str(), ids.back());
        }
        EXPECT_EQ(ids, expected) << Narrow(names);
    }
    welldata::SetSettingsFilePath(L"");
}
