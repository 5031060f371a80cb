// The example settings file must recognise the columns of the sample layouts
// the file dialog shows, and common real-world curve names.
#include "platform/ProfileSection.h"
#include "settings/WellAttributeLookup.h"
#include "support/TestSupport.h"
#include "welldata/CurveNaming.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

#include <fstream>

using testing_support::Narrow;

namespace {

const std::wstring kSample = testing_support::SamplePath("welldata.well_attri.ini");

class SampleSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { welldata::SetSettingsFilePath(kSample); }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
};

TEST_F(SampleSettingsTest, EverySectionFitsTheReadLimit) {
    for (const wchar_t* section : {L"well_head", L"well_path", L"well_log", L"rock_core"}) {
        const welldata::ProfileSection whole(kSample, section, 1 << 16);
        const welldata::ProfileSection read(kSample, section,
                                            WellAttributeTable::kSectionBufferSize);
        EXPECT_GT(whole.Count(), 0u) << Narrow(section);
        EXPECT_EQ(read.Count(), whole.Count()) << Narrow(section) << " is cut";
    }
}

// Each section in the matching mode its callers use; 0 is an entry that
// stands for no column, kNone no entry at all.
constexpr unsigned int kNone = 999;
unsigned int Lookup(WellAttributeSection section, const std::wstring& name) {
    unsigned int id = kNone;
    WellAttributeLookup(section, section == WellAttributeSection::WellLog)
        .FindAttribute(name.c_str(), id);
    return id;
}

TEST_F(SampleSettingsTest, RecognisesTheSampleLayoutsAndLocalNames) {
    using S = WellAttributeSection;
    const struct {
        S section;
        std::vector<std::wstring> names;
        std::vector<unsigned int> ids;
    } layouts[] = {
        {S::WellHead,
         {L"wellname", L"X-coord", L"Y-coord", L"Kb", L"TopD", L"BottomD", L"Symbol"},
         {1, 3, 4, 7, 5, 6, 2}},
        {S::WellHead, {L"井名", L"横坐标", L"纵坐标", L"补心海拔", L"井深"}, {1, 3, 4, 7, 6}},
        {S::WellPath, {L"NAME", L"MD", L"X", L"Y", L"TVD"}, {0, 8, 9, 10, 14}},
        {S::WellPath, {L"垂深", L"井斜", L"方位", L"DEVIATION", L"TVDSS"}, {14, 15, 16, 15, 14}},
        // The path columns of a log file: only the depth.
        {S::WellPath, {L"#DEPTH", L"AC", L"CALI", L"DEN", L"RT"}, {8, 0, 0, 0, 0}},
        {S::WellLog,
         {L"#DEPTH", L"DEPTH", L"DEPT", L"AC", L"CALI", L"CNL", L"DEN", L"GR", L"RI", L"RT", L"RXO",
          L"SP"},
         {17, 17, 17, 20, 19, 24, 25, 21, 32, 30, 31, 23}},
        {S::WellLog, {L"DEPTH", L"POR", L"PERM", L"SW", L"VCAL"}, {17, 49, 50, 48, 53}},
        {S::WellLog, {L"自然伽马", L"声波时差", L"GR1"}, {21, 20, kNone}},
        {S::RockCore,
         {L"DEPTH", L"POR", L"PERM", L"SW", L"VCAL"},
         {55, kNone, kNone, kNone, kNone}},
        {S::RockCore, {L"顶深", L"底深", L"岩性", L"Description"}, {55, 56, 57, 57}},
    };
    for (const auto& layout : layouts) {
        std::vector<unsigned int> ids;
        for (const auto& name : layout.names)
            ids.push_back(Lookup(layout.section, name));
        EXPECT_EQ(ids, layout.ids) << Narrow(layout.names.front()) << "...";
    }
}

// The curves of a public LAS sample, as a peer reader listed them.
TEST_F(SampleSettingsTest, RecognisesTheCurvesOfAPublicLasSample) {
    std::ifstream reference(testing_support::LasCorpusDir() + "/lasio-reference.tsv");
    if (!reference)
        GTEST_SKIP() << "no LAS corpus";
    std::string line;
    while (std::getline(reference, line) && line.rfind("lasio/1.2/sample.las\t", 0) != 0) {
    }
    ASSERT_NE(line.find("\tDEPT|DT|RHOB|NPHI|SFLU|SFLA|ILM|ILD\t"), std::string::npos) << line;
    const std::pair<std::wstring, std::wstring> curves[] = {
        {L"DEPT", L"DEPTH"}, {L"DT", L"AC"},     {L"RHOB", L"DEN"}, {L"NPHI", L"CNL"},
        {L"SFLU", L"MSFL"},  {L"SFLA", L"SFLA"}, {L"ILM", L"ILM"},  {L"ILD", L"ILD"}};
    for (const auto& [mnemonic, standard] : curves) {
        std::wstring name;
        get_curve_name(mnemonic.c_str(), &name, false);
        EXPECT_EQ(name, standard) << Narrow(mnemonic);
    }
}

} // namespace
