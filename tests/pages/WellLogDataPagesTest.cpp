// The two well log data pages on files written for them: which curves they
// list with which type, unit and curve id, the units a LAS file gives, the
// well path controls of the single page, and what the pages collect from the
// rows the user ticked and edited.
#include "controls/CEditListCtrl.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/PageHost.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using Single = CDlgSingleWellLogInputData;
using Multi = CDlgMultiWellLogInputData;
using COMMON::STRUCT_CURVE_ITEM;
using testing_support::LasHeader;

namespace {

const std::string kSettings =
    settings_test::SectionText("well_log", {"17=DEPTH 深度 DEPT", "18=TVD", "21=GR 自然伽马",
                                            "30=RT 地层电阻率", "49=POR 孔隙度"}) +
    settings_test::SectionText("well_path",
                               {"8=MD DEPTH", "14=TVD", "15=INCL", "16=AZIM", "9=X", "10=Y"});

class WellLogDataPages : public testing::Test {
protected:
    // A log table: its header is the first line naming the depth.
    template <class Page> Page* Open(const std::string& bytes, bool headerSearch = true) {
        file.Write(bytes).SetDataFormat(COMMON::WLDF_TEXT);
        file.reader.SetHeaderRow(true);
        file.reader.SetHeaderSearch(headerSearch);
        return OpenOnReader<Page>();
    }
    template <class Page> Page* OpenLas(const std::string& bytes) {
        file.Write(bytes).SetDataFormat(COMMON::WLDF_LAS);
        file.reader.SetHeaderRow(false);
        file.reader.EnsureSections();
        return OpenOnReader<Page>();
    }
    // `shown` false: a dialog that is to end while it opens, never shown.
    template <class Page> Page* OpenOnReader(bool shown = true) {
        host = std::make_unique<PageHost>(&file.reader);
        Page* page = host->Add(new Page(host.get()), "数据");
        if (shown) {
            host->Open();
        } else {
            host->show();
            QApplication::processEvents();
        }
        list = page->GetCurveList();
        return page;
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

    template <class Page> std::list<STRUCT_CURVE_ITEM> Collect(Page* page, int* rows = nullptr) {
        std::list<STRUCT_CURVE_ITEM> curves;
        const int count = page->CollectCurves(curves);
        if (rows != nullptr)
            *rows = count;
        return curves;
    }

    settings_test::ScopedSettingsFile settings{kSettings};
    testing_support::MessageCapture messages;
    testing_support::ScratchFile file;
    std::unique_ptr<PageHost> host;
    CEditListCtrl* list = nullptr;
};

QStringList Described(const std::list<STRUCT_CURVE_ITEM>& curves) {
    QStringList texts;
    for (const STRUCT_CURVE_ITEM& curve : curves)
        texts << QString::fromStdWString(curve.strName + L"|" + std::to_wstring(curve.nColumn) +
                                         L"|" + curve.strType + L"|" + curve.strUnit);
    return texts;
}

} // namespace

TEST_F(WellLogDataPages, TheSinglePageListsTheNumericColumnsOfATable) {
    // LITH holds text from the second data row on and is left out; NOTE holds
    // text in the first data row only, which is not looked at.
    Single* page = Open<Single>("#DEPTH GR LITH NOTE POR XYZ\n2150 60 1 a 12 5\n"
                                "2151 61 sand 1 13 6\n2152 62 shale 2 14 7\n");
    EXPECT_EQ(list->GetHeaderTitles(), (QStringList{"曲线名称", "列", "曲线类型", "单位"}));
    const int widths[] = {100, 35, 75, 75};
    const int kinds[] = {CEditListCtrl::kTextEdit, CEditListCtrl::kChoiceList,
                         CEditListCtrl::kChoiceList, CEditListCtrl::kChoiceList};
    // The name column takes the room the others leave, 100 pixels at least.
    EXPECT_GE(list->horizontalHeader()->sectionSize(0), widths[0]);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list->GetColumnEditKind(column), kinds[column]);
        if (column > 0) {
            EXPECT_EQ(list->horizontalHeader()->sectionSize(column), widths[column]);
        }
    }
    EXPECT_TRUE(list->HasChoiceListScroll());
    EXPECT_EQ(list->GetContextMenu(), CEditListCtrl::ContextMenu::CheckRows);
    EXPECT_EQ(Rows(),
              (QStringList{"DEPTH|1|DEPTH|m|17|ticked", "GR|2|GR|API|21|ticked",
                           "NOTE|4|||-1|ticked", "POR|5|POR||49|ticked", "XYZ|6|||-1|ticked"}));
    EXPECT_EQ(page->FillCurveList(), 6) << "columns left out count too";
    // The path controls wait for "加载井轨迹".
    EXPECT_FALSE(page->GetLoadPath());
    EXPECT_FALSE(uitest::Control<QCheckBox>(page, Single::IDC_LOAD_PATH)->isChecked());
    for (int id : {Single::IDC_MD_INCL_AZIM, Single::IDC_X_Y_Z, Single::IDC_ROW1_COLUMN,
                   Single::IDC_ROW3_COLUMN})
        EXPECT_FALSE(uitest::Control<QWidget>(page, id)->isEnabled()) << id;
    EXPECT_TRUE(uitest::Control<QCheckBox>(page, Single::IDC_CONVERT_Z)->isChecked());
    EXPECT_EQ(page->GetDataType(), PATH_TVD_DX_DY);
    EXPECT_EQ(host->GetPathDataType(), PATH_TVD_DX_DY);

    // Collected: a curve without a type takes its name as type.
    EXPECT_EQ(Described(Collect(page)), (QStringList{"DEPTH|1|DEPTH|m", "GR|2|GR|API",
                                                     "NOTE|4|NOTE|", "POR|5|POR|", "XYZ|6|XYZ|"}));
}

TEST_F(WellLogDataPages, TheMultiPageListsEveryColumnAndTypesOnlyCurvesWithUnits) {
    Multi* page = Open<Multi>("DEPTH GR LITH POR\n2150 60 sand 12\n2151 61 shale 13\n");
    EXPECT_EQ(Rows(), (QStringList{"DEPTH|1|DEPTH|m|17|ticked", "GR|2|GR|API|21|ticked",
                                   "LITH|3|||-1|ticked", "POR|4|||-1|ticked"}));
    EXPECT_EQ(Described(Collect(page)),
              (QStringList{"DEPTH|1|DEPTH|m", "GR|2|GR|API", "LITH|3||", "POR|4||"}));
    welldata::PathColumnAssignment assignment;
    assignment.dataType = PATH_X_Y_Z;
    assignment.columns = {7, 8};
    page->GetColumnAssignment(assignment);
    EXPECT_EQ(assignment.dataType, PATH_X_Y_Z);
    EXPECT_EQ(assignment.columns, (std::array<std::uint16_t, 9>{7, 8}));
}

TEST_F(WellLogDataPages, LasCurvesKeepTheirUnitsAndGiveTheDepthAndCoordinateUnits) {
    Single* page =
        OpenLas<Single>(LasHeader() + "~Curve\n DEPT.M : depth\n gr .GAPI/m : gamma\n TVD.FT : t\n"
                                      " X .F : x\n POR . : p\n CALI.IN : c\n"
                                      "~A\n1 2 3 4 5 6\n");
    EXPECT_EQ(Rows(), (QStringList{"DEPTH|1|DEPTH|M|17|ticked", "GR|2|GR|GAPI/m|21|ticked",
                                   "TVD|3|TVD|FT|18|ticked", "X|4||F|-1|ticked",
                                   "POR|5|POR||49|ticked", "CALI|6||IN|-1|ticked"}));
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_FT); // TVD's, the last depth-like curve
    EXPECT_EQ(page->GetCoordinateUnit(), COMMON::COOR_UNIT_FT);
    // The unit cell offers the file's unit first, then the curve's own.
    EXPECT_EQ(list->GetCellChoiceTexts(1, CEditListCtrl::kUnitColumn),
              (QStringList{"GAPI/m", "API", "GAPI", "微伦琴/小时"}));
}

TEST_F(WellLogDataPages, APageWithNothingToListEndsItsDialog) {
    // A LAS file with an empty curve section reads, and has no curve.
    file.Write(LasHeader() + "~Curve\n~A\n1 2\n").SetDataFormat(COMMON::WLDF_LAS);
    file.reader.SetHeaderRow(false);
    file.reader.EnsureSections();
    OpenOnReader<Single>(false);
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(host->result(), QDialog::Rejected);
    // Nor has a table whose header line holds only separators.
    file.Write(",;:\n").SetDataFormat(COMMON::WLDF_TEXT);
    file.reader.SetHeaderSearch(false);
    OpenOnReader<Multi>(false);
    EXPECT_FALSE(host->isVisible());
    EXPECT_EQ(host->result(), QDialog::Rejected);
    EXPECT_EQ(messages.Count(), 0u);
    // A header without data rows lists nothing but keeps the dialog: the
    // user sees that the file holds no curve.
    Open<Single>("DEPTH GR\n");
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(WellLogDataPages, EachLayoutLabelsItsRowsAndTellsTheDialog) {
    Single* page = Open<Single>("DEPTH INCL AZIM TVD X Y GR\n1 2 3 4 5 6 7\n");
    host->ShowPage(page);
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    ASSERT_TRUE(page->GetLoadPath());
    const struct {
        int radio;
        std::int32_t dataType;
        QStringList labels;
        QString convertZ;
        QStringList shown; // rows 1 to 3
    } cases[] = {
        {Single::IDC_X_Y_Z, PATH_X_Y_Z, {"X", "Y", "Z"}, "Convert Z", {"5:X", "6:Y", ""}},
        {Single::IDC_TVD_X_Y,
         PATH_TVD_X_Y,
         {"X", "Y", "TVD"},
         "Convert Z",
         {"5:X", "6:Y", "4:TVD"}},
        {Single::IDC_MD_INCL_AZIM,
         PATH_LOG_MD_INCL_AZIM,
         {"INCL", "AZIM", "MD"},
         "From GeoFrame",
         {"2:INCL", "3:AZIM", "1:DEPTH"}},
        {Single::IDC_TVD_DX_DY,
         PATH_TVD_DX_DY,
         {"DX", "DY", "TVD"},
         "From GeoFrame",
         {"", "", "4:TVD"}},
    };
    const int labelIds[] = {Single::IDC_ROW1_LABEL, Single::IDC_ROW2_LABEL, Single::IDC_ROW3_LABEL};
    const int listIds[] = {Single::IDC_ROW1_COLUMN, Single::IDC_ROW2_COLUMN,
                           Single::IDC_ROW3_COLUMN};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataType);
        uitest::PressButton(page, c.radio);
        EXPECT_EQ(page->GetDataType(), c.dataType);
        EXPECT_EQ(host->GetPathDataType(), c.dataType);
        EXPECT_EQ(uitest::Control<QCheckBox>(page, Single::IDC_CONVERT_Z)->text(), c.convertZ);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(uitest::Control<QLabel>(page, labelIds[row])->text(), c.labels[row]);
            auto* choices = uitest::Control<QComboBox>(page, listIds[row]);
            EXPECT_EQ(choices->currentText(), c.shown[row]);
            EXPECT_TRUE(choices->isEnabled());
        }
    }
    // Unticking puts every path control out of use again.
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    EXPECT_FALSE(page->GetLoadPath());
    EXPECT_FALSE(uitest::Control<QWidget>(page, Single::IDC_ROW3_COLUMN)->isEnabled());
    EXPECT_FALSE(uitest::Control<QWidget>(page, Single::IDC_TVD_X_Y)->isEnabled());
    uitest::PressButton(page, Single::IDC_SKIP_UNDEFINED);
    EXPECT_TRUE(page->GetSkipUndefinedValues());
}

TEST_F(WellLogDataPages, TheDepthCurveGivesTheWellPathItsMdColumn) {
    // MD, INCL, AZIM in a log file: the depth curve is the MD; the row 3
    // choice of MD does not survive the collection.
    Single* page = Open<Single>("NAME INCL AZIM DEPTH GR\nA1 2 3 1000 7\nA1 2 3 1001 8\n");
    host->ShowPage(page);
    uitest::PressButton(page, Single::IDC_LOAD_PATH);
    uitest::PressButton(page, Single::IDC_MD_INCL_AZIM);
    ASSERT_TRUE(
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(page, Single::IDC_ROW3_COLUMN), 4));
    EXPECT_EQ(page->GetColumns()[0], 5);
    // NAME holds text and is not listed: DEPTH is the third row but the
    // fourth column of the file.
    EXPECT_EQ(list->GetItemText(2, CEditListCtrl::kCurveNameColumn), "DEPTH");
    Collect(page);
    welldata::PathColumnAssignment assignment;
    page->GetColumnAssignment(assignment);
    EXPECT_EQ(assignment.Column(welldata::PathColumn::Md), 4);
    EXPECT_EQ(assignment.Column(welldata::PathColumn::Incl), 2);
    EXPECT_EQ(assignment.Column(welldata::PathColumn::Azim), 3);
    EXPECT_TRUE(page->IsAssignmentComplete());

    // Without a ticked depth curve there is no MD, and the path is incomplete.
    uitest::ClickRowCheck(list, 2);
    Collect(page);
    EXPECT_EQ(page->GetColumns()[0], 0);
    EXPECT_FALSE(page->IsAssignmentComplete());
}

TEST_F(WellLogDataPages, WhatTheUserTicksAndEditsIsWhatIsCollected) {
    Single* page = Open<Single>("DEPTH GR RT CURVE9\n1000 50 10 1\n1001 51 11 2\n");
    host->ShowPage(page);
    // The type chosen sets the row's curve id and the type's first unit.
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kCurveTypeColumn, "CAL"));
    EXPECT_EQ(list->GetItemData(3), 19);
    EXPECT_EQ(list->GetItemText(3, CEditListCtrl::kUnitColumn), "in");
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "厘米"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kCurveTypeColumn, ""));
    EXPECT_EQ(list->GetItemData(1), CEditListCtrl::kNoCurve);
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kFileColumnColumn, "3"));
    const QString longName = QString(150, QChar(0x4E95)) + QString(150, 'x');
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, CEditListCtrl::kCurveNameColumn, longName));
    EXPECT_EQ(list->item(2, 0)->toolTip(), longName);
    int rows = 0;
    const auto curves = Collect(page, &rows);
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(Described(curves),
              (QStringList{"DEPTH|1|DEPTH|m", "GR|3|GR|", QString(127, QChar(0x4E95)) + "|3|RT|Ω·M",
                           "CURVE9|4|CAL|厘米"}));

    // The context menu unticks every row: nothing is collected, every row counted.
    ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                             CEditListCtrl::ID_UNCHECK_ALL));
    EXPECT_TRUE(Collect(page, &rows).empty());
    EXPECT_EQ(rows, 4);
    ASSERT_TRUE(
        uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5), CEditListCtrl::ID_CHECK_ALL));
    EXPECT_EQ(Collect(page).size(), 4u);
}

TEST_F(WellLogDataPages, ANameCutAtTheBufferNeverKeepsHalfACharacter) {
    Single* page = Open<Single>("DEPTH GR\n1000 50\n1001 51\n");
    // 126 characters, then one that takes two UTF-16 units.
    const QString name = QString(126, 'a') + QString::fromUcs4(U"\U00020000") + "tail";
    list->SetItemText(1, CEditListCtrl::kCurveNameColumn, name);
    const auto curves = Collect(page);
    EXPECT_EQ(curves.back().strName, std::wstring(126, L'a'));
}

TEST_F(WellLogDataPages, TwoHundredLasCurvesAreListedAndScroll) {
    std::string curves = " DEPT.M : depth\n";
    std::string values = "1000";
    for (int i = 1; i < 200; ++i) {
        curves += " C" + std::to_string(i) + ".API : curve " + std::to_string(i) + "\n";
        values += " " + std::to_string(i);
    }
    curves += " " + std::string(300, 'L') + ".OHMM : a long mnemonic\n";
    values += " 9";
    OpenLas<Single>(LasHeader() + "~Curve\n" + curves + "~A\n" + values + "\n");
    host->resize(760, 420);
    ASSERT_EQ(list->rowCount(), 201);
    EXPECT_EQ(list->GetCellChoiceTexts(0, CEditListCtrl::kFileColumnColumn).size(), 201);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->item(200, 0)->toolTip(), QString(300, 'L'));
    list->scrollToBottom();
    uitest::SaveScreenshot(host.get(), "page-well-log-data-200-las-curves.png");
}
