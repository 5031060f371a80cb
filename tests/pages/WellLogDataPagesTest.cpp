// The single well log data page: long names, 200 curves, what it collects from
// the rows as edited, and every corpus LAS file it lists loading as by name.
// (The depth curve as the path's MD is held against the headless load on the
// interactive road.)
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "loaders/CWellLog.h"
#include "loaders/TableCurveList.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/ShownDialog.h"
#include "settings/ScopedSettingsFile.h"
#include "uisupport/ListDriver.h"

#include <QComboBox>
#include <QScrollBar>
#include <bit>
#include <filesystem>

using Single = CDlgSingleWellLogInputData;

namespace {

class WellLogDataPages : public ShownDialog<CDlgImportSingleWellLog> {
protected:
    void OpenLog(const std::string& bytes) {
        Open(bytes, CDlgImportSingleWellLog::kDataTab, true);
        page = dialog->GetDataPage();
        list = page->GetCurveList();
    }

    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_log", {"17=DEPTH 深度 DEPT", "21=GR", "30=RT"})};
    Single* page = nullptr;
    CEditListCtrl* list = nullptr;
};

} // namespace

TEST_F(WellLogDataPages, WhatTheUserTicksAndEditsIsWhatIsCollected) {
    OpenLog("DEPTH GR RT CURVE9\n1000 50 10 1\n1001 51 11 2\n");
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kCurveTypeColumn, "CAL"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "厘米"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kFileColumnColumn, "3"));
    // A long name shows whole in its tool tip; it is collected cut to the
    // 127 characters of the curve record, never keeping half a character
    // that takes two UTF-16 units.
    const QString longName = QString(126, QChar(0x4E95)) + QString::fromUcs4(U"\U00020000") + "x";
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, CEditListCtrl::kCurveNameColumn, longName));
    EXPECT_EQ(list->item(2, 0)->toolTip(), longName);
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    page->CollectCurves(curves);
    QStringList collected; // each as "name|column|type|unit"
    for (const COMMON::STRUCT_CURVE_ITEM& curve : curves)
        collected << QString::fromStdWString(curve.strName + L"|" + std::to_wstring(curve.nColumn) +
                                             L"|" + curve.strType + L"|" + curve.strUnit);
    EXPECT_EQ(collected,
              (QStringList{"DEPTH|1|DEPTH|m", "GR|3|GR|API",
                           QString(126, QChar(0x4E95)) + "|3|RT|Ω·M", "CURVE9|4|CAL|厘米"}));
}

TEST_F(WellLogDataPages, TwoHundredLasCurvesAreListedAndScroll) {
    std::string curves = " DEPT.M : depth\n";
    std::string values = "1000";
    for (int i = 1; i < 200; ++i) {
        curves += " C" + std::to_string(i) + ".API : curve " + std::to_string(i) + "\n";
        values += " " + std::to_string(i);
    }
    curves += " " + std::string(300, 'L') + ".OHMM : a long mnemonic\n";
    OpenLog(testing_support::LasHeader() + "~Curve\n" + curves + "~A\n" + values + " 9\n");
    dialog->resize(760, 420);
    ASSERT_EQ(list->rowCount(), 201);
    EXPECT_EQ(list->GetCellChoiceTexts(0, CEditListCtrl::kFileColumnColumn).size(), 201);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->item(200, 0)->toolTip(), QString(300, 'L'));
    list->scrollToBottom();
    uitest::SaveScreenshot(dialog.get(), "page-well-log-data-200-las-curves.png");
}

// Real-world check: every public corpus file the LAS page can list, with all
// its curves ticked as the page collects them, loads through the dialog's
// hand-over the names and values the load by name gives.
TEST(WellLogPageOnTheCorpus, EveryListedFileLoadsThroughTheHandOverAsByName) {
    namespace fs = std::filesystem;
    if (!fs::is_directory(testing_support::LasCorpusDir()))
        GTEST_SKIP() << "no LAS corpus: real-world check skipped";
    settings_test::ScopedSettingsFile settings(
        testing_support::FileBytes(testing_support::SamplePath("welldata.well_attri.ini")));
    testing_support::MessageCapture quiet;
    // A log's curves as text: names and the bits of every value.
    const auto text = [](const COMMON::STRUCT_WELL_CURVE& log) {
        std::string out;
        for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
            out += "\n" + testing_support::Narrow(curve.strName) + ":";
            for (float value : curve.vecValues)
                out += std::to_string(std::bit_cast<std::uint32_t>(value)) + " ";
        }
        return out;
    };
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(testing_support::LasCorpusDir())) {
        const std::string bytes =
            testing_support::FileBytes(testing_support::Widen(entry.path().string()));
        testing_support::ScratchFile file;
        if (!entry.is_regular_file() || entry.path().extension() == ".tsv" ||
            !file.ReadLas(bytes, CDataFileReader::kReadLasPreview, true) ||
            file.Section(L"~C") == nullptr)
            continue;
        SCOPED_TRACE(entry.path().string());
        welldata::WellLogChoices choices;
        for (const auto& row : TableCurveList::ListLas(*file.Section(L"~C")))
            choices.curves.push_back(
                TableCurveList::ToCurve(row, TableCurveList::Page::SingleWell));
        COMMON::STRUCT_WELL_PATH path;
        COMMON::STRUCT_WELL_CURVE picked, byName;
        CWellLog dialogRoad(&file.reader, &path, &picked);
        if (!dialogRoad.TakeChoices(choices)) // no single depth curve: the dialog says so
            continue;
        file.reader.Clear(); // as the dialog leaves it when it ends
        file.reader.EnsureSections();
        testing_support::ScratchFile again;
        CWellLog nameRoad(&again.reader, &path, &byName);
        const bool loaded = dialogRoad.LoadLas();
        ASSERT_EQ(loaded,
                  again.ReadLas(bytes, CDataFileReader::kReadAll, true) && nameRoad.LoadLas());
        if (!loaded)
            continue;
        EXPECT_EQ(text(picked), text(byName));
        ++compared;
    }
    EXPECT_GT(compared, 50);
}
