// The rock core roads of ReadFile(): a rock core analysis or description table
// through the file dialog (file types 2 and 3 of the well data load) and its
// dialog, driven as a user does, loads the records the headless load of the
// same file with the same choices loads.
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "interactive/SameRecords.h"
#include "platform/MultiByteConverter.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"
#include "welldata/CodePage.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>
#include <gtest/gtest.h>

using interactive_test::SameRecords;
using testing_support::MessageCapture;

namespace {

constexpr int kCoreAnalysisFileType = 2;
constexpr int kCoreDescriptionFileType = 3;

class RockCoreRoads : public ::testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
};

// Loads `path` through ReadFile() as file type `fileType`, driving the dialog
// with `drive`, which ends it.
template <class Dialog>
bool LoadInteractively(CLoadData& load, const std::wstring& path, int fileType,
                       const std::function<void(Dialog&)>& drive) {
    auto file = uitest::AnswerFileDialog({QString::fromStdWString(path)}, fileType);
    auto dialog = uitest::WhenModal<Dialog>([drive](Dialog* d) { drive(*d); });
    const bool loaded = load.ReadFile();
    EXPECT_TRUE(file->Fired() && dialog->Fired());
    return loaded;
}

CEditListCtrl* DataList(const QWidget* dialog) {
    return uitest::Control<CEditListCtrl>(dialog, CDlgRockCoreAnalyse::IDC_DATA_LIST);
}

TEST_F(RockCoreRoads, AnalysisLoadsWhatTheHeadlessLoadOfTheSameTitlesLoads) {
    testing_support::ScratchDir dir;
    const std::wstring sample = testing_support::SamplePath("rock_core_analysis.txt");
    const std::wstring withText =
        dir.Write("text.txt", "DEPTH POR NOTE\n1601.5 11.5 good\n1602 n/a fair\n1602.5 9.6 -\n");
    const struct {
        const char* name;
        std::wstring path;
        int renamedColumn; // -1 for none
        const char* title;
    } cases[] = {
        {"sample as it is", sample, -1, ""},
        {"sample with a column renamed", sample, 2, "渗透率"},
        {"text in numeric columns", withText, 0, "MD"},
    };
    for (const auto& c : cases) {
        CLoadData load(COMMON::LDT_WELL_DATA);
        ASSERT_TRUE(LoadInteractively<CDlgRockCoreAnalyse>(
            load, c.path, kCoreAnalysisFileType,
            [&c](CDlgRockCoreAnalyse& d) {
                if (c.renamedColumn >= 0) {
                    EXPECT_TRUE(uitest::TypeHeaderTitle(DataList(&d), c.renamedColumn,
                                                        QString::fromUtf8(c.title)));
                }
                uitest::PressOk(&d);
            }))
            << c.name;
        EXPECT_TRUE(load.GetData()->empty()) << c.name; // the reader is cleared

        welldata::CoreAnalysisChoices choices = welldata::SuggestCoreAnalysisChoices(
            welldata::PreviewTable(c.path, welldata::TableKind::CoreAnalysis));
        if (c.renamedColumn >= 0)
            std::next(choices.columns.begin(), c.renamedColumn)->strName =
                testing_support::Widen(c.title);
        CLoadData headless(COMMON::LDT_WELL_DATA);
        ASSERT_TRUE(headless.ReadFile(c.path, choices)) << c.name;
        EXPECT_TRUE(SameRecords(load.GetRockCoreAnalyse(), headless.GetRockCoreAnalyse()))
            << c.name;
    }
}

TEST_F(RockCoreRoads, DescriptionLoadsWhatTheHeadlessLoadOfTheSameColumnsLoads) {
    testing_support::ScratchDir dir;
    const std::wstring sample = testing_support::SamplePath("rock_core_describe.txt");
    const std::wstring utf8 = dir.Write(
        "utf8.txt",
        welldata::MultiByteConverter("UTF-8").ToMultiByte(
            L"起始深度 终止深度 岩性描述 备注\n1601 1607 灰色细砂岩 a\n1607 1601 泥岩 b\n"));
    const struct {
        const char* name;
        std::wstring path;
        const char* codePage;
        int descriptionColumn; // chosen in the dialog; -1 leaves the preselection
    } cases[] = {
        {"GB18030 sample as it is", sample, "GB18030", -1},
        {"GB18030 sample, description from the bottom column", sample, "GB18030", 1},
        // A bottom above its top is kept as it stands.
        {"UTF-8 names, another description column", utf8, "UTF-8", 3},
    };
    const std::string previous = welldata::GetDataCodePage();
    for (const auto& c : cases) {
        ASSERT_TRUE(welldata::SetDataCodePage(c.codePage));
        CLoadData load(COMMON::LDT_WELL_DATA);
        ASSERT_TRUE(LoadInteractively<CDlgRockCoreDescribe>(
            load, c.path, kCoreDescriptionFileType,
            [&c](CDlgRockCoreDescribe& d) {
                if (c.descriptionColumn >= 0) {
                    uitest::ChooseComboIndex(uitest::Control<QComboBox>(
                                                 &d, CDlgRockCoreDescribe::IDC_DESCRIPTION_COLUMN),
                                             c.descriptionColumn);
                }
                uitest::PressOk(&d);
            }))
            << c.name;
        EXPECT_TRUE(load.GetData()->empty()) << c.name;

        welldata::CoreDescriptionChoices choices = welldata::SuggestCoreDescriptionChoices(
            welldata::PreviewTable(c.path, welldata::TableKind::CoreDescription));
        EXPECT_EQ(choices.topColumn, 0) << c.name;
        if (c.descriptionColumn >= 0)
            choices.descriptionColumn = c.descriptionColumn;
        CLoadData headless(COMMON::LDT_WELL_DATA);
        ASSERT_TRUE(headless.ReadFile(c.path, choices)) << c.name;
        EXPECT_TRUE(SameRecords(load.GetRockCoreDescribe(), headless.GetRockCoreDescribe()))
            << c.name;
        EXPECT_FALSE(load.GetRockCoreDescribe().lstItems.empty()) << c.name;
    }
    welldata::SetDataCodePage(previous);
}

TEST_F(RockCoreRoads, ATableAfterALasFileOnTheSameObjectIsStillReadAsATable) {
    // A LAS load leaves the reader set for LAS data without a header row.
    CLoadData load(COMMON::LDT_WELL_DATA);
    ASSERT_TRUE(load.ReadFile(testing_support::SamplePath("well_log.las")));
    const std::wstring sample = testing_support::SamplePath("rock_core_analysis.txt");
    ASSERT_TRUE(LoadInteractively<CDlgRockCoreAnalyse>(load, sample, kCoreAnalysisFileType,
                                                       [](CDlgRockCoreAnalyse& d) {
                                                           EXPECT_EQ(DataList(&d)->rowCount(), 30);
                                                           uitest::PressOk(&d);
                                                       }));
    CLoadData headless(COMMON::LDT_WELL_DATA);
    ASSERT_TRUE(
        headless.ReadFile(sample, welldata::SuggestCoreAnalysisChoices(welldata::PreviewTable(
                                      sample, welldata::TableKind::CoreAnalysis))));
    EXPECT_TRUE(SameRecords(load.GetRockCoreAnalyse(), headless.GetRockCoreAnalyse()));
}

TEST_F(RockCoreRoads, CancelLoadsNothing) {
    const std::wstring analysis = testing_support::SamplePath("rock_core_analysis.txt");
    const std::wstring describe = testing_support::SamplePath("rock_core_describe.txt");
    CLoadData load(COMMON::LDT_WELL_DATA);
    EXPECT_FALSE(LoadInteractively<CDlgRockCoreAnalyse>(
        load, analysis, kCoreAnalysisFileType, [](CDlgRockCoreAnalyse& d) {
            uitest::TypeHeaderTitle(DataList(&d), 0, "MD");
            uitest::PressCancel(&d);
        }));
    EXPECT_TRUE(load.GetRockCoreAnalyse().empty());
    EXPECT_FALSE(LoadInteractively<CDlgRockCoreDescribe>(
        load, describe, kCoreDescriptionFileType,
        [](CDlgRockCoreDescribe& d) { uitest::PressCancel(&d); }));
    EXPECT_TRUE(load.GetRockCoreDescribe().lstItems.empty());
    EXPECT_TRUE(load.GetRockCoreDescribe().strColumnName.empty());
    EXPECT_TRUE(load.GetData()->empty());
}

} // namespace
