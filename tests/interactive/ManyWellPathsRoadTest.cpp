// Many well path files at once: one set of column choices made on the first
// file, each file then loaded and handed to the host's sink in turn, and the
// files the sink refused listed in one message. Also the WIS pick, which
// only chooses a file.
#include "SameRecords.h"
#include "controls/CFileDialogExt.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <set>

using Dlg = CDlgImportSingleWellPath;
using testing_support::MessageCapture;

namespace {

struct SinkCall {
    std::wstring name;
    COMMON::STRUCT_WELL_PATH path;
    int index = 0;
    int count = 0;
};

class RecordingSink : public COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH> {
public:
    bool OnDataLoaded(const wchar_t* name, COMMON::STRUCT_WELL_PATH& path, int index,
                      int count) override {
        calls.push_back({name, path, index, count});
        return refuseAll ? false : refused.count(index) == 0;
    }

    std::vector<SinkCall> calls;
    std::set<int> refused;
    bool refuseAll = false;
};

std::string PathFile(double shift) {
    std::string text = "MD X Y TVD\n";
    for (int i = 0; i < 3; ++i)
        text += std::to_string(1000 + 10 * i) + " " + std::to_string(shift + i) + " " +
                std::to_string(2 * shift + i) + " " + std::to_string(999.5 + 10 * i) + "\n";
    return text;
}

// The choices the driven dialog makes: TVD, X, Y with the columns the
// settings recognise.
welldata::PathColumnAssignment TvdXyChoices() {
    welldata::PathColumnAssignment assignment;
    assignment.dataType = PATH_TVD_X_Y;
    assignment.hasMd = true;
    assignment.Column(welldata::PathColumn::Md) = 1;
    assignment.Column(welldata::PathColumn::X) = 2;
    assignment.Column(welldata::PathColumn::Y) = 3;
    assignment.Column(welldata::PathColumn::Tvd) = 4;
    return assignment;
}

class ManyWellPaths : public testing::Test {
protected:
    // Writes `count` path files, the file `broken` (1-based) with a null marker.
    void WriteFiles(int count, int broken = 0) {
        for (int i = 1; i <= count; ++i) {
            const std::string bytes = i == broken ? "MD X Y TVD\n1000 -9999 2 999\n" : PathFile(i);
            paths << QString::fromStdWString(dir.Write("w" + std::to_string(i) + ".txt", bytes));
        }
    }

    // ReadFile(sink) with the file dialog answered with every file and the
    // import dialog confirmed on TVD, X, Y.
    bool LoadAll() {
        auto files = uitest::AnswerFileDialog(paths);
        auto import = uitest::WhenModal<Dlg>([](Dlg* dialog) {
            uitest::ClickTab(dialog->GetTabCtrl(), 1);
            uitest::PressButton(dialog->GetDataPage(), CDlgSingleWellPathInputData::IDC_TVD_X_Y);
            uitest::PressOk(dialog);
        });
        const bool result = load.ReadFile(&sink);
        EXPECT_TRUE(files->Fired() && import->Fired());
        return result;
    }

    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_path", {"8=MD", "9=X", "10=Y", "14=TVD"})};
    testing_support::ScratchDir dir;
    QStringList paths;
    CLoadData load{COMMON::LDT_WELL_PATH};
    RecordingSink sink;
    MessageCapture messages;
};

} // namespace

TEST_F(ManyWellPaths, EachFileReachesTheSinkAndTheRefusedOnesAreListed) {
    WriteFiles(3);
    sink.refused = {2};
    ASSERT_TRUE(LoadAll());
    ASSERT_EQ(sink.calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const SinkCall& call = sink.calls[i];
        EXPECT_EQ(call.name, L"w" + std::to_wstring(i + 1) + L".txt");
        EXPECT_EQ(std::make_pair(call.index, call.count), std::make_pair(i + 1, 3));
        CLoadData headless(COMMON::LDT_WELL_PATH);
        ASSERT_TRUE(headless.ReadFile(paths[i].toStdWString(), TvdXyChoices()));
        EXPECT_TRUE(interactive_test::SameRecords(call.path, headless.GetWellPath()));
    }
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Single(),
              L"下列数据没有找到对应的井,请确认之后重试:\r\n(1):" + paths[1].toStdWString());
    EXPECT_EQ(messages.Messages()[0].owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_TRUE(load.GetWellPath().dqPoints.empty()); // each path was handed over, then emptied
    EXPECT_TRUE(load.GetData()->empty());
}

TEST_F(ManyWellPaths, AFileThatFailsMidwayStillReachesTheSinkAndTheRestLoad) {
    WriteFiles(3, 2);
    ASSERT_TRUE(LoadAll());
    ASSERT_EQ(sink.calls.size(), 3u);
    EXPECT_EQ(sink.calls[0].path.dqPoints.size(), 3u);
    EXPECT_EQ(sink.calls[2].path.dqPoints.size(), 3u);
    EXPECT_EQ(messages.Count(), 1u); // the loader's null message for the broken file only
}

TEST_F(ManyWellPaths, TwoHundredRefusedFilesAreNumberedInOneMessage) {
    WriteFiles(200);
    sink.refuseAll = true;
    ASSERT_TRUE(LoadAll());
    EXPECT_EQ(sink.calls.size(), 200u);
    const std::wstring text = messages.Single();
    EXPECT_NE(text.find(L"\r\n(1):" + paths[0].toStdWString() + L"\r\n(2):"), std::wstring::npos);
    EXPECT_TRUE(text.ends_with(L"\r\n(200):" + paths[199].toStdWString()));
}

TEST_F(ManyWellPaths, CancelAtAnyStepLoadsNothing) {
    WriteFiles(2);
    EXPECT_FALSE(load.ReadFile(nullptr)); // a stray file dialog would fail the watchdog

    auto cancelFiles = uitest::AnswerFileDialog({});
    EXPECT_FALSE(load.ReadFile(&sink));
    EXPECT_TRUE(cancelFiles->Fired());

    auto files = uitest::AnswerFileDialog(paths);
    auto cancelImport = uitest::WhenModal<Dlg>([](Dlg* dialog) { uitest::PressCancel(dialog); });
    EXPECT_FALSE(load.ReadFile(&sink));
    EXPECT_TRUE(cancelImport->Fired());
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(WisPick, OkGivesThePathAndCancelLeavesItAlone) {
    testing_support::ScratchDir dir;
    const std::wstring wis = dir.Write("井 A1.wis", "not read");
    CLoadData load(COMMON::LDT_WELL_DATA);
    std::wstring path = L"unchanged";

    auto cancel = uitest::WhenModal<CFileDialogExt>([](CFileDialogExt* dialog) {
        EXPECT_EQ(dialog->GetNameFilters(),
                  QStringList{QString::fromWCharArray(L"加载wis格式曲线数据 (*.wis)")});
        EXPECT_EQ(dialog->defaultSuffix(), "wis");
        EXPECT_FALSE(dialog->GetSampleBox()->isVisible());
        dialog->reject();
    });
    EXPECT_FALSE(load.ReadFileWis(path));
    EXPECT_TRUE(cancel->Fired());
    EXPECT_EQ(path, L"unchanged");

    auto pick = uitest::AnswerFileDialog({QString::fromStdWString(wis)});
    EXPECT_TRUE(load.ReadFileWis(path));
    EXPECT_EQ(path, wis);
}
