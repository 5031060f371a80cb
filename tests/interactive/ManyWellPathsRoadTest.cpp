// Many well path files at once: one set of column choices made on the first
// file, each file then handed to the host's sink in turn, the refused files
// listed in one message. Also the WIS pick, which only chooses a file.
#include "Roads.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "settings/ScopedSettingsFile.h"

#include <QPlainTextEdit>

using Dlg = CDlgImportSingleWellPath;

namespace {

struct RecordingSink : COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH> {
    bool OnDataLoaded(const wchar_t* name, COMMON::STRUCT_WELL_PATH& path, int index,
                      int count) override {
        calls.push_back({name, path, index, count});
        return !refuses(index);
    }

    std::vector<std::tuple<std::wstring, COMMON::STRUCT_WELL_PATH, int, int>> calls;
    std::function<bool(int index)> refuses = [](int) { return false; };
};

} // namespace

TEST(ManyWellPaths, EachFileReachesTheSinkInTurnAndTheRefusedOnesAreListed) {
    const settings_test::ScopedSettingsFile settings(
        settings_test::SectionText("well_path", {"8=MD", "9=X", "10=Y", "14=TVD"}));
    testing_support::ScratchDir dir;
    QStringList paths; // the third with a null marker in its second point
    for (int i = 1; i <= 3; ++i) {
        std::string text = "MD X Y TVD\n";
        for (int point = 0; point < 3; ++point)
            text += std::to_string(1000 + 10 * point) + " " +
                    (i == 3 && point == 1 ? "-9999" : std::to_string(i + point)) + " " +
                    std::to_string(2 * i + point) + " " + std::to_string(999.5 + 10 * point) + "\n";
        paths << QString::fromStdWString(dir.Write("w" + std::to_string(i) + ".txt", text));
    }
    CLoadData load{COMMON::LDT_WELL_PATH};
    RecordingSink sink;
    sink.refuses = [](int index) { return index > 1; };
    testing_support::MessageCapture messages;
    auto files = uitest::AnswerFileDialog(paths);
    auto import = uitest::WhenModal<Dlg>([](Dlg* dialog) {
        uitest::ClickTab(dialog->GetTabCtrl(), 1);
        uitest::PressButton(dialog, CDlgSingleWellPathInputData::IDC_TVD_X_Y);
        uitest::PressOk(dialog);
    });
    ASSERT_TRUE(load.ReadFile(&sink) && files->Fired() && import->Fired());
    using welldata::PathColumn;
    const auto tvdXy = road_test::PathLayout(
        PATH_TVD_X_Y,
        {{PathColumn::Md, 1}, {PathColumn::X, 2}, {PathColumn::Y, 3}, {PathColumn::Tvd, 4}});
    ASSERT_EQ(sink.calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& [name, path, index, count] = sink.calls[i];
        EXPECT_EQ(name, L"w" + std::to_wstring(i + 1) + L".txt");
        EXPECT_EQ(std::make_pair(index, count), std::make_pair(i + 1, 3));
        // The broken third file fails midway and still reaches the sink.
        CLoadData handed(COMMON::LDT_WELL_PATH);
        handed.GetWellPath() = path;
        CLoadData headless(COMMON::LDT_WELL_PATH);
        EXPECT_EQ(headless.ReadFile(paths[i].toStdWString(), tvdXy), i != 2);
        EXPECT_EQ(road_test::Records(handed), road_test::Records(headless));
    }
    // The loader's null message for the broken file, then the refused files.
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[1].text, L"下列数据没有找到对应的井,请确认之后重试:\r\n(1):" +
                                               paths[1].toStdWString() + L"\r\n(2):" +
                                               paths[2].toStdWString());
    EXPECT_EQ(messages.Messages()[1].owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_TRUE(load.GetWellPath().dqPoints.empty()); // each path was handed over, then emptied
    EXPECT_TRUE(load.GetData()->empty());
}

TEST(WisPick, OkGivesThePathAndCancelLeavesItAlone) {
    testing_support::ScratchDir dir;
    const std::wstring wis = dir.Write("井 A1.wis", "not read");
    CLoadData load(COMMON::LDT_WELL_DATA);
    std::wstring path = L"unchanged";
    auto cancel = uitest::WhenModal<CFileDialogExt>([](CFileDialogExt* dialog) {
        EXPECT_EQ(dialog->GetNameFilters(), QStringList{"加载wis格式曲线数据 (*.wis)"});
        EXPECT_FALSE(dialog->GetSampleBox()->isVisible());
        dialog->reject();
    });
    EXPECT_FALSE(load.ReadFileWis(path) || path != L"unchanged");
    auto pick = uitest::AnswerFileDialog({QString::fromStdWString(wis)});
    EXPECT_TRUE(load.ReadFileWis(path) && path == wis);
}
