// The multi-well road end to end: ReadFileMuilti reads the headers of the
// host's files, writes the union of their curve names to "MultiHeader.txt"
// (compared byte for byte with the file it must be), and the multi-well
// dialog, driven as a user drives it, leaves the chosen curve settings in the
// curve group record. Files that cannot be read leave the host's list with one
// message; a header file that cannot be written is not reported.
#include "Roads.h"
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "interface/MultiWellHeader.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "uisupport/ListDriver.h"
#include "welldata/Settings.h"

#include <QLineEdit>
#include <filesystem>

using Dlg = CDlgImportMultiWellLogs;
using SettingPage = CDlgSingleWellLogSetting;
using testing_support::FileBytes;
using testing_support::MessageCapture;
using testing_support::Narrow;
using welldata::MultiWellHeader;

namespace {

CEditListCtrl* CurveList(Dlg& dialog) {
    return dialog.GetDataPage()->GetCurveList();
}

QStringList Names(CEditListCtrl* list) {
    QStringList names;
    for (int row = 0; row < list->rowCount(); ++row)
        names << list->GetItemText(row, CEditListCtrl::kCurveNameColumn);
    return names;
}

class MultiWellRoad : public testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
        MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()));
    }
    void TearDown() override {
        MultiWellHeader::SetFolder(L"");
        welldata::SetSettingsFilePath(L"");
    }

    // ReadFileMuilti on a multi-well load object, the dialog driven by `drive`.
    bool Prepare(std::vector<std::wstring>& list, bool listHoldsFiles,
                 const std::function<void(Dlg&)>& drive) {
        auto driver = uitest::WhenModal<Dlg>([&drive](Dlg* dialog) { drive(*dialog); });
        const bool prepared = load.ReadFileMuilti(list, listHoldsFiles);
        dialogShown = driver->Fired();
        EXPECT_TRUE(load.GetData()->empty()); // the reader is cleared
        return prepared;
    }

    std::wstring HeaderPath() const { return MultiWellHeader::FilePath(); }

    testing_support::ScratchDir dir;
    CLoadData load{COMMON::LDT_MULTI_WELL_LOG};
    MessageCapture messages;
    bool dialogShown = false;
};

} // namespace

TEST_F(MultiWellRoad, TheUnionOfTheGoodFilesCurvesBecomesTheBatchsCurveSettings) {
    load.SetLoadDataFormat(COMMON::WLDF_LAS);
    const std::wstring a = testing_support::DataPath("multiwell/well_a.las");
    const std::wstring notLas = testing_support::DataPath("multiwell/well_b.las");
    const std::wstring c = testing_support::DataPath("multiwell/well_c.las");
    std::vector<std::wstring> list{a, notLas, c};
    ASSERT_TRUE(Prepare(list, true, [](Dlg& d) {
        CEditListCtrl* curves = CurveList(d);
        const QStringList names = Names(curves);
        ASSERT_EQ(names.size(), 45);
        EXPECT_EQ(names.mid(0, 6), (QStringList{"DEPTH", "GR", "声波", "RT", "密度", "CURVE01"}));
        EXPECT_EQ(curves->GetItemText(2, CEditListCtrl::kCurveTypeColumn), "AC");
        // Only DEPTH, GR and the sonic are loaded for the batch.
        ASSERT_TRUE(uitest::ChooseContextCommand(curves->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_UNCHECK_ALL));
        for (int row : {0, 1, 2})
            uitest::ClickRowCheck(curves, row);
        EXPECT_TRUE(uitest::ChooseInCell(curves, 2, CEditListCtrl::kUnitColumn, "微秒/米"));
        uitest::ClickTab(d.GetTabCtrl(), 1);
        uitest::PressButton(d.GetSettingPage(), SettingPage::IDC_NEW_GROUP);
        uitest::RetypeText(
            uitest::Control<QLineEdit>(d.GetSettingPage(), SettingPage::IDC_GROUP_NAME), "批量");
        uitest::PressOk(&d);
    }));
    EXPECT_TRUE(dialogShown);

    // The file that is no LAS file left the host's list, with one message.
    EXPECT_EQ(list, (std::vector<std::wstring>{a, c}));
    EXPECT_EQ(messages.Single(),
              L"以下文件存在错误，将不会被加载，请检查文件数据！\r\nwell_b.las\t");
    EXPECT_EQ(messages.Messages().front().owner, welldata::MessageOwner::FocusWindow);

    // The header file, byte for byte: GB18030, 337 characters in two pieces, a NUL.
    EXPECT_EQ(FileBytes(HeaderPath()),
              FileBytes(testing_support::DataPath("multiwell/MultiHeader_expected.txt")));
    EXPECT_EQ(load.GetLoadFileName(), HeaderPath());

    // The settings for the batch: the chosen curves, without values.
    const COMMON::STRUCT_WELL_CURVE& log = load.GetWellLog();
    std::vector<std::wstring> curves;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
        curves.push_back(curve.strName + L"|" + std::to_wstring(curve.nColumn) + L"|" +
                         curve.strType + L"|" + curve.strUnit + L"|" + curve.strDisplayName);
        EXPECT_TRUE(curve.vecValues.empty());
    }
    EXPECT_EQ(curves, (std::vector<std::wstring>{L"DEPTH|1|DEPTH|m|深度", L"GR|2|GR|API|自然伽马",
                                                 L"声波|3|AC|DS/FT|声波时差"}));
    EXPECT_EQ(log.strGroupName, L"批量");
    EXPECT_EQ(log.nGroupMode, 0);
    EXPECT_EQ(load.GetFileType(), 1);
}

TEST_F(MultiWellRoad, NamesGivenByTheHostAreWrittenWithoutReadingAFile) {
    std::vector<std::wstring> names{L"DEPTH", L" GR ", L"gr", L"#SP", L"声波"};
    const std::vector<std::wstring> given = names;
    EXPECT_FALSE(Prepare(names, false, [](Dlg& d) { uitest::PressCancel(&d); }));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(names, given);
    EXPECT_EQ(FileBytes(HeaderPath()), std::string("DEPTH GR SP \xC9\xF9\xB2\xA8") + '\0');
    EXPECT_TRUE(load.GetWellLog().lstCurves.empty());
    // The batch stays silent about bad LAS files for the object's life: a later
    // load by name of a file that is no LAS file says nothing.
    EXPECT_FALSE(load.ReadFile(testing_support::DataPath("multiwell/well_b.las")));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MultiWellRoad, TablesGiveTheirHeadersAndMissingOnesAreOnlyReported) {
    const std::wstring first = dir.Write("a.txt", "well A\n#DEPTH GR AC\n1000 50 250\n");
    const std::wstring missing = testing_support::Widen(dir.Path()) + L"/none.txt";
    const std::wstring noDepth = dir.Write("b.txt", "X Y\n1 2\n");
    const std::wstring second = dir.Write("c.txt", "Depth RT\n1000 10\n");
    std::vector<std::wstring> list{first, missing, noDepth, second};
    const std::vector<std::wstring> given = list;
    ASSERT_TRUE(Prepare(list, true, [](Dlg& d) {
        EXPECT_EQ(Names(CurveList(d)), (QStringList{"DEPTH", "GR", "AC", "RT"}));
        uitest::PressOk(&d);
    }));
    EXPECT_EQ(list, given) << "only LAS files that cannot be read leave the list";
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, L"打开文件失败。");
    EXPECT_EQ(messages.Messages()[1].text,
              L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。");
    EXPECT_EQ(load.GetWellLog().lstCurves.size(), 4u);
}

TEST_F(MultiWellRoad, WithoutAHeaderFileOrAMultiWellObjectNoDialogOpens) {
    // A header file that cannot be written is not reported: the dialog finds
    // no file to read and ends with the reader's message.
    MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()) + L"/no such folder");
    std::vector<std::wstring> names{L"DEPTH", L"GR"};
    EXPECT_FALSE(Prepare(names, false, [](Dlg& d) { uitest::PressOk(&d); }));
    EXPECT_EQ(messages.Single(), L"打开文件失败。");
    EXPECT_FALSE(dialogShown || std::filesystem::exists(Narrow(HeaderPath())));
    EXPECT_EQ(load.GetLoadFileName(), HeaderPath());
    // The last constructed load type counts: only a multi-well one prepares a batch.
    MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()));
    CLoadData other(COMMON::LDT_WELL_DATA);
    EXPECT_FALSE(Prepare(names, false, [](Dlg& d) { uitest::PressOk(&d); }));
    EXPECT_FALSE(dialogShown || std::filesystem::exists(Narrow(HeaderPath())));
    EXPECT_EQ(messages.Count(), 1u);
}
