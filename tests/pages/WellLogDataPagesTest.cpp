// The well log data pages on files written for them: which curves the single
// page lists with which type, unit and curve id, the well path controls of the
// single page, and what the pages collect from the rows the user ticked and
// edited. (Which curves each page lists is the curve table's, shown with the
// loaders; the multi-well page and a LAS file's units are shown through the
// import dialogs.)
#include "controls/CEditListCtrl.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/PageHost.h"
#include "settings/ScopedSettingsFile.h"
#include "uisupport/ListDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

using Single = CDlgSingleWellLogInputData;
using COMMON::STRUCT_CURVE_ITEM;

namespace {

class WellLogDataPages : public PageFixture<Single> {
protected:
    WellLogDataPages() { logTables = true; }

    void OpenLog(const std::string& bytes) {
        Open(bytes);
        list = page->GetCurveList();
    }
    // Opens a page of the kind on `bytes`, which are to end its dialog while
    // it opens, never shown.
    template <class Page> void OpenEnding(const std::string& bytes) {
        host.reset();
        uitest::WriteDataFile(file, bytes);
        host = std::make_unique<PageHost>(&file.reader);
        host->Add(new Page(host.get()), "数据");
        host->show();
        QApplication::processEvents();
        EXPECT_EQ(host->isVisible() ? -1 : host->result(), QDialog::Rejected);
    }

    // Each row as "name|column|type|unit|item data|ticked".
    QStringList Rows() const {
        QStringList rows;
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << list->GetItemText(row, column);
            cells << QString::number(list->GetItemData(row))
                  << (list->GetCheck(row) ? "ticked" : "unticked");
            rows << cells.join('|');
        }
        return rows;
    }

    // The curves collected, each as "name|column|type|unit"; `rows` gets the
    // number the page returns.
    QStringList Collected(int* rows = nullptr) {
        std::list<STRUCT_CURVE_ITEM> curves;
        const int count = page->CollectCurves(curves);
        if (rows != nullptr)
            *rows = count;
        QStringList texts;
        for (const STRUCT_CURVE_ITEM& curve : curves)
            texts << QString::fromStdWString(curve.strName + L"|" + std::to_wstring(curve.nColumn) +
                                             L"|" + curve.strType + L"|" + curve.strUnit);
        return texts;
    }

    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_log", {"17=DEPTH 深度 DEPT", "21=GR", "30=RT", "49=POR"}) +
        settings_test::SectionText("well_path",
                                   {"8=MD DEPTH", "14=TVD", "15=INCL", "16=AZIM", "9=X", "10=Y"})};
    testing_support::MessageCapture messages;
    CEditListCtrl* list = nullptr;
};

} // namespace

TEST_F(WellLogDataPages, TheSinglePageListsTheNumericColumnsOfATable) {
    // LITH holds text from the second data row on and is left out; NOTE holds
    // text in the first data row only, which is not looked at.
    OpenLog("#DEPTH GR LITH NOTE POR XYZ\n2150 60 1 a 12 5\n"
            "2151 61 sand 1 13 6\n2152 62 shale 2 14 7\n");
    EXPECT_EQ(list->GetHeaderTitles(), (QStringList{"曲线名称", "列", "曲线类型", "单位"}));
    // The name column takes the room the others leave, 100 pixels at least.
    const int widths[] = {100, 35, 75, 75};
    EXPECT_GE(list->horizontalHeader()->sectionSize(0), widths[0]);
    for (int column = 1; column < 4; ++column)
        EXPECT_EQ(list->horizontalHeader()->sectionSize(column), widths[column]);
    EXPECT_EQ(Rows(),
              (QStringList{"DEPTH|1|DEPTH|m|17|ticked", "GR|2|GR|API|21|ticked",
                           "NOTE|4|||-1|ticked", "POR|5|POR||49|ticked", "XYZ|6|||-1|ticked"}));
    EXPECT_EQ(page->FillCurveList(), 6) << "columns left out count too";
}

TEST_F(WellLogDataPages, APageWithNothingToListEndsItsDialog) {
    // A LAS file with an empty curve section reads, and has no curve.
    OpenEnding<Single>(testing_support::LasHeader() + "~Curve\n~A\n1 2\n");
    // Nor has a table whose header line holds only separators.
    OpenEnding<CDlgMultiWellLogInputData>(",;:\n");
    EXPECT_EQ(messages.Count(), 0u);
    // A header without data rows lists nothing but keeps the dialog: the
    // user sees that the file holds no curve.
    OpenLog("DEPTH GR\n");
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(WellLogDataPages, EachLayoutLabelsItsRowsAndTellsTheDialog) {
    OpenLog("DEPTH INCL AZIM TVD X Y GR\n1 2 3 4 5 6 7\n");
    host->ShowPage(page);
    // Rows 1 to 3 as "label=entry", "~" marking a list greyed out, then the
    // text of the Z box.
    const auto rows = [this] {
        QString text;
        for (auto [label, list] : {std::pair{Single::IDC_ROW1_LABEL, Single::IDC_ROW1_COLUMN},
                                   {Single::IDC_ROW2_LABEL, Single::IDC_ROW2_COLUMN},
                                   {Single::IDC_ROW3_LABEL, Single::IDC_ROW3_COLUMN}}) {
            auto* choices = uitest::Control<QComboBox>(page, list);
            text += uitest::Control<QLabel>(page, label)->text() + "=" +
                    (choices->isEnabled() ? "" : "~") + choices->currentText() + " ";
        }
        return text + uitest::Control<QCheckBox>(page, Single::IDC_CONVERT_Z)->text();
    };
    // The path controls wait for "加载井轨迹".
    EXPECT_EQ(rows(), "DX=~ DY=~ TVD=~4:TVD 转换Z坐标值");
    EXPECT_FALSE(uitest::Control<QWidget>(page, Single::IDC_TVD_X_Y)->isEnabled());
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    const std::tuple<int, std::int32_t, QString> cases[] = {
        {Single::IDC_X_Y_Z, PATH_X_Y_Z, "X=5:X Y=6:Y Z= Convert Z"},
        {Single::IDC_TVD_X_Y, PATH_TVD_X_Y, "X=5:X Y=6:Y TVD=4:TVD Convert Z"},
        {Single::IDC_MD_INCL_AZIM, PATH_LOG_MD_INCL_AZIM,
         "INCL=2:INCL AZIM=3:AZIM MD=1:DEPTH From GeoFrame"},
        {Single::IDC_TVD_DX_DY, PATH_TVD_DX_DY, "DX= DY= TVD=4:TVD From GeoFrame"},
    };
    for (const auto& [radio, dataType, shown] : cases) {
        uitest::PressButton(page, radio);
        EXPECT_EQ(rows(), shown);
        EXPECT_EQ(page->GetDataType(), dataType);
        EXPECT_EQ(host->GetPathDataType(), dataType);
    }
    // Unticked, every path control is out of use again.
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    EXPECT_EQ(rows(), "DX=~ DY=~ TVD=~4:TVD From GeoFrame");
    EXPECT_FALSE(page->GetLoadPath() ||
                 uitest::Control<QWidget>(page, Single::IDC_TVD_X_Y)->isEnabled());
}

TEST_F(WellLogDataPages, TheDepthCurveGivesTheWellPathItsMdColumn) {
    // MD, INCL, AZIM in a log file: the depth curve is the MD; the row 3
    // choice of MD does not survive the collection. NAME holds text and is
    // not listed: DEPTH is the third row but the fourth column of the file.
    OpenLog("NAME INCL AZIM DEPTH GR\nA1 2 3 1000 7\nA1 2 3 1001 8\n");
    host->ShowPage(page);
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    uitest::PressButton(page, Single::IDC_MD_INCL_AZIM);
    ASSERT_TRUE(
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(page, Single::IDC_ROW3_COLUMN), 4));
    EXPECT_EQ(page->GetColumns()[0], 5);
    Collected();
    welldata::PathColumnAssignment assignment;
    page->GetColumnAssignment(assignment);
    using welldata::PathColumn;
    EXPECT_EQ(std::tuple(assignment.Column(PathColumn::Md), assignment.Column(PathColumn::Incl),
                         assignment.Column(PathColumn::Azim)),
              std::tuple(4, 2, 3));
    EXPECT_TRUE(page->IsAssignmentComplete());

    // Without a ticked depth curve there is no MD, and the path is incomplete.
    uitest::ClickRowCheck(list, 2);
    Collected();
    EXPECT_EQ(page->GetColumns()[0], 0);
    EXPECT_FALSE(page->IsAssignmentComplete());
}

TEST_F(WellLogDataPages, WhatTheUserTicksAndEditsIsWhatIsCollected) {
    OpenLog("DEPTH GR RT CURVE9\n1000 50 10 1\n1001 51 11 2\n");
    host->ShowPage(page);
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kCurveTypeColumn, "CAL"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "厘米"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kCurveTypeColumn, ""));
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kFileColumnColumn, "3"));
    // A long name shows whole in its tool tip; it is collected cut to the
    // 127 characters of the curve record, never keeping half a character
    // that takes two UTF-16 units.
    const QString longName = QString(126, QChar(0x4E95)) + QString::fromUcs4(U"\U00020000") + "x";
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, CEditListCtrl::kCurveNameColumn, longName));
    EXPECT_EQ(list->item(2, 0)->toolTip(), longName);
    int rows = 0;
    EXPECT_EQ(Collected(&rows),
              (QStringList{"DEPTH|1|DEPTH|m", "GR|3|GR|", QString(126, QChar(0x4E95)) + "|3|RT|Ω·M",
                           "CURVE9|4|CAL|厘米"}));
    EXPECT_EQ(rows, 4);

    // The context menu unticks every row: nothing is collected, every row counted.
    ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                             CEditListCtrl::ID_UNCHECK_ALL));
    EXPECT_TRUE(Collected(&rows).empty());
    EXPECT_EQ(rows, 4);
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
    host->resize(760, 420);
    ASSERT_EQ(list->rowCount(), 201);
    EXPECT_EQ(list->GetCellChoiceTexts(0, CEditListCtrl::kFileColumnColumn).size(), 201);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->item(200, 0)->toolTip(), QString(300, 'L'));
    list->scrollToBottom();
    uitest::SaveScreenshot(host.get(), "page-well-log-data-200-las-curves.png");
}
