// The example settings file shipped in samples/ must recognise the columns of
// the sample layouts the file dialog shows, and common real-world curve names.
#include "platform/ProfileSection.h"
#include "settings/WellAttributeLookup.h"
#include "settings/WellAttributeTable.h"
#include "support/TestSupport.h"
#include "welldata/CurveNaming.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using testing_support::Narrow;

namespace {

class SampleSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { welldata::SetSettingsFilePath(SamplePath()); }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
    static std::wstring SamplePath() {
        return testing_support::SamplePath("welldata.well_attri.ini");
    }
};

TEST_F(SampleSettingsTest, EverySectionFitsTheReadLimit) {
    for (const wchar_t* section : {L"well_head", L"well_path", L"well_log", L"rock_core"}) {
        SCOPED_TRACE(Narrow(section));
        const welldata::ProfileSection whole(SamplePath(), section, 1 << 16);
        const welldata::ProfileSection read(SamplePath(), section,
                                            WellAttributeTable::kSectionBufferSize);
        EXPECT_GT(whole.Count(), 0u);
        EXPECT_EQ(read.Count(), whole.Count()) << "the section is cut";
    }
}

struct ColumnCase {
    WellAttributeSection section;
    std::wstring name;
    unsigned int id; // 0: found, but stands for no column; kNotFound: not found
};
constexpr unsigned int kNotFound = 999;

// The dialogs' matching mode for each section.
bool IsExactOnly(WellAttributeSection section) {
    return section == WellAttributeSection::WellLog;
}

TEST_F(SampleSettingsTest, RecognisesTheSampleLayoutsAndLocalNames) {
    using S = WellAttributeSection;
    const std::vector<ColumnCase> cases = {
        // Well heads: wellname X-coord Y-coord Kb TopD BottomD Symbol
        {S::WellHead, L"wellname", 1},
        {S::WellHead, L"X-coord", 3},
        {S::WellHead, L"Y-coord", 4},
        {S::WellHead, L"Kb", 7},
        {S::WellHead, L"TopD", 5},
        {S::WellHead, L"BottomD", 6},
        {S::WellHead, L"Symbol", 2},
        {S::WellHead, L"井名", 1},
        {S::WellHead, L"横坐标", 3},
        {S::WellHead, L"纵坐标", 4},
        {S::WellHead, L"补心海拔", 7},
        {S::WellHead, L"井深", 6},
        {S::WellHead, L"Well_Name", 1},
        // Well paths: NAME MD X Y TVD, and the log curves of a log file.
        {S::WellPath, L"NAME", 0},
        {S::WellPath, L"MD", 8},
        {S::WellPath, L"X", 9},
        {S::WellPath, L"Y", 10},
        {S::WellPath, L"TVD", 14},
        {S::WellPath, L"垂深", 14},
        {S::WellPath, L"井斜", 15},
        {S::WellPath, L"方位", 16},
        {S::WellPath, L"Azimuth", 16},
        {S::WellPath, L"DEVIATION", 15},
        {S::WellPath, L"#DEPTH", 8},
        {S::WellPath, L"DEPTH", 8},
        {S::WellPath, L"DEN", 0},
        {S::WellPath, L"AC", 0},
        {S::WellPath, L"TVDSS", 14},
        // Well logs: #DEPTH AC CALI CNL DEN GR RI RT RXO SP
        {S::WellLog, L"#DEPTH", 17},
        {S::WellLog, L"DEPTH", 17},
        {S::WellLog, L"DEPT", 17},
        {S::WellLog, L"AC", 20},
        {S::WellLog, L"CALI", 19},
        {S::WellLog, L"CNL", 24},
        {S::WellLog, L"DEN", 25},
        {S::WellLog, L"GR", 21},
        {S::WellLog, L"RI", 32},
        {S::WellLog, L"RT", 30},
        {S::WellLog, L"RXO", 31},
        {S::WellLog, L"SP", 23},
        {S::WellLog, L"自然伽马", 21},
        {S::WellLog, L"声波时差", 20},
        {S::WellLog, L"GR1", kNotFound},
        // Rock core analysis: DEPTH POR PERM SW VCAL, as curves ...
        {S::WellLog, L"POR", 49},
        {S::WellLog, L"PERM", 50},
        {S::WellLog, L"SW", 48},
        {S::WellLog, L"VCAL", 53},
        // ... and in the description dialog, where only depths count.
        {S::RockCore, L"DEPTH", 55},
        {S::RockCore, L"POR", kNotFound},
        {S::RockCore, L"PERM", kNotFound},
        {S::RockCore, L"SW", kNotFound},
        {S::RockCore, L"VCAL", kNotFound},
        // Rock core description: 顶深 底深 岩性
        {S::RockCore, L"顶深", 55},
        {S::RockCore, L"底深", 56},
        {S::RockCore, L"岩性", 57},
        {S::RockCore, L"Top", 55},
        {S::RockCore, L"Bottom", 56},
        {S::RockCore, L"Description", 57},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.name) + " in section " + std::to_string(static_cast<int>(c.section)));
        WellAttributeLookup lookup(c.section, IsExactOnly(c.section));
        unsigned int id = kNotFound;
        EXPECT_EQ(lookup.FindAttribute(c.name.c_str(), id), c.id != kNotFound);
        EXPECT_EQ(id, c.id);
    }
}

TEST_F(SampleSettingsTest, StandardNamesAreTheCurveMnemonics) {
    std::wstring name;
    EXPECT_TRUE(get_curve_name(L"#DEPTH", &name, false));
    EXPECT_EQ(name, L"DEPTH");
    EXPECT_TRUE(get_curve_name(L"CALI", &name, false));
    EXPECT_EQ(name, L"CAL");
    EXPECT_TRUE(get_curve_name(L"gr", &name, true));
    EXPECT_EQ(name, L"自然伽马");
    std::vector<const wchar_t*> units;
    EXPECT_EQ(get_curve_units(L"RHOB", &units), 2u);
}

// The curves of a public LAS sample, as a peer reader listed them.
TEST_F(SampleSettingsTest, RecognisesTheCurvesOfAPublicLasSample) {
    std::ifstream reference(testing_support::LasCorpusDir() + "/lasio-reference.tsv");
    if (!reference)
        GTEST_SKIP() << "no LAS corpus";
    std::string line;
    std::string mnemonics;
    while (std::getline(reference, line)) {
        if (line.rfind("lasio/1.2/sample.las\t", 0) != 0)
            continue;
        std::istringstream fields(line);
        std::string field;
        for (int column = 0; column < 5 && std::getline(fields, field, '\t'); ++column)
            mnemonics = field;
    }
    ASSERT_EQ(mnemonics, "DEPT|DT|RHOB|NPHI|SFLU|SFLA|ILM|ILD");
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"DEPT", L"DEPTH"}, {L"DT", L"AC"},     {L"RHOB", L"DEN"}, {L"NPHI", L"CNL"},
        {L"SFLU", L"MSFL"},  {L"SFLA", L"SFLA"}, {L"ILM", L"ILM"},  {L"ILD", L"ILD"}};
    for (const auto& [mnemonic, standard] : expected) {
        std::wstring name;
        get_curve_name(mnemonic.c_str(), &name, false);
        EXPECT_EQ(name, standard) << Narrow(mnemonic);
    }
}

} // namespace
