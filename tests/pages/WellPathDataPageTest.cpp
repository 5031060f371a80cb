// The well path data page (and the data type base under it) on files written
// for it: what it shows and greys out per layout, the columns it preselects
// through the "well_path" section of the settings file, what the user's
// choices report, and the null value box.
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/PageHost.h"
#include "platform/MultiByteConverter.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <gtest/gtest.h>

using Page = CDlgSingleWellPathInputData;
using testing_support::ScratchFile;
using welldata::PathColumn;
using welldata::PathColumnAssignment;

namespace {

const std::string kSettings = settings_test::SectionText(
    "well_path", {"8=MD 测深 DEPTH", "9=X 东坐标", "10=Y 北坐标", "11=Z", "12=DX 东西位移",
                  "13=DY 南北位移", "14=TVD 垂深", "15=INCL 井斜", "16=AZIM 方位"});

// The lists in the order the page keeps its columns: MD, row 1, row 2, row 3.
constexpr int kListIds[] = {Page::IDC_MD_COLUMN, Page::IDC_ROW1_COLUMN, Page::IDC_ROW2_COLUMN,
                            Page::IDC_ROW3_COLUMN};

class WellPathDataPage : public testing::Test {
protected:
    // Opens the page on a table with `bytes` as its text.
    Page* Open(const std::string& bytes) {
        file.Write(bytes);
        host = std::make_unique<PageHost>(&file.reader);
        Page* page = host->Add(new Page(host.get()), "数据");
        host->Open();
        return page;
    }

    template <class T> T* Control(Page* page, int id) { return uitest::Control<T>(page, id); }
    QComboBox* List(Page* page, int id) { return Control<QComboBox>(page, id); }
    void Click(Page* page, int id) { uitest::PressButton(page, id); }

    // The texts the four lists show, in kListIds order.
    QStringList Shown(Page* page) {
        QStringList texts;
        for (int id : kListIds)
            texts << List(page, id)->currentText();
        return texts;
    }

    static PathColumnAssignment Reported(const Page* page) {
        PathColumnAssignment assignment;
        page->GetColumnAssignment(assignment);
        return assignment;
    }

    settings_test::ScopedSettingsFile settings{kSettings};
    ScratchFile file;
    std::unique_ptr<PageHost> host;
};

std::array<std::uint16_t, welldata::kPathColumnCount>
Columns(std::initializer_list<std::pair<PathColumn, int>> chosen) {
    std::array<std::uint16_t, welldata::kPathColumnCount> columns{};
    for (const auto& [column, number] : chosen)
        columns[static_cast<size_t>(column)] = static_cast<std::uint16_t>(number);
    return columns;
}

} // namespace

TEST_F(WellPathDataPage, OpensOnTvdDxDyWithNothingChosenForNamesTheSettingsDoNotKnow) {
    // No alias starts with P, Q or R: not even a prefix matches.
    Page* page = Open("PQR QRS RST\n1 2 3\n");
    host->ShowPage(page);
    EXPECT_TRUE(Control<QRadioButton>(page, Page::IDC_TVD_DX_DY)->isChecked());
    EXPECT_EQ(page->GetDataType(), PATH_TVD_DX_DY);
    const QStringList labels{"DX", "DY", "TVD"};
    const int labelIds[] = {Page::IDC_ROW1_LABEL, Page::IDC_ROW2_LABEL, Page::IDC_ROW3_LABEL};
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Control<QLabel>(page, labelIds[row])->text(), labels[row]);
    for (int id : kListIds) {
        QComboBox* list = List(page, id);
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->itemText(0), "1:PQR");
        EXPECT_EQ(list->itemText(2), "3:RST");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(list->property("dropHeightExtension").toInt(), 80);
    }
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{-1, 0, 0, 0}));
    EXPECT_TRUE(page->HasMd());
    EXPECT_TRUE(Control<QCheckBox>(page, Page::IDC_MD_EXISTS)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(page, Page::IDC_MEAN_SEA_LEVEL)->isChecked());
    EXPECT_EQ(page->NullValueBox()->text(), "-9999");
    EXPECT_TRUE(page->NullValueBox()->isReadOnly());
    EXPECT_FALSE(page->IsAssignmentComplete());
    EXPECT_FALSE(Control<QCheckBox>(page, Page::IDC_AZIMUTH_TRUE_NORTH)->isVisible());
}

TEST_F(WellPathDataPage, EachLayoutPreselectsItsColumnsAndReportsThem) {
    struct Case {
        int radio;
        std::int32_t dataType;
        QStringList labels;
        QStringList shown; // MD, row 1, row 2, row 3
        std::array<std::uint16_t, welldata::kPathColumnCount> columns;
        bool row3Enabled;
        bool mdExistsEnabled;
        bool referencesEnabled;
    };
    const Case cases[] = {
        {Page::IDC_MD_INCL_AZIM,
         PATH_MD_INCL_AZIM,
         {"INCL", "AZIM", "TVD"},
         {"1:MD", "2:INCL", "3:AZIM", ""},
         Columns({{PathColumn::Md, 1}, {PathColumn::Incl, 2}, {PathColumn::Azim, 3}}),
         false,
         false,
         true},
        {Page::IDC_TVD_DX_DY,
         PATH_TVD_DX_DY,
         {"DX", "DY", "TVD"},
         {"1:MD", "5:DX", "6:DY", "4:TVD"},
         Columns(
             {{PathColumn::Md, 1}, {PathColumn::Dx, 5}, {PathColumn::Dy, 6}, {PathColumn::Tvd, 4}}),
         true,
         true,
         true},
        {Page::IDC_TVD_X_Y,
         PATH_TVD_X_Y,
         {"X", "Y", "TVD"},
         {"1:MD", "7:X", "8:Y", "4:TVD"},
         Columns(
             {{PathColumn::Md, 1}, {PathColumn::X, 7}, {PathColumn::Y, 8}, {PathColumn::Tvd, 4}}),
         true,
         true,
         true},
        {Page::IDC_X_Y_Z,
         PATH_X_Y_Z,
         {"X", "Y", "Z"},
         {"1:MD", "7:X", "8:Y", "9:Z"},
         Columns({{PathColumn::Md, 1}, {PathColumn::X, 7}, {PathColumn::Y, 8}, {PathColumn::Z, 9}}),
         true,
         true,
         false},
    };
    Page* page = Open("MD INCL AZIM TVD DX DY X Y Z\n1000 1 2 999 3 4 5 6 7\n");
    host->ShowPage(page);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataType);
        Click(page, c.radio);
        EXPECT_EQ(page->GetDataType(), c.dataType);
        EXPECT_EQ(Control<QLabel>(page, Page::IDC_ROW1_LABEL)->text(), c.labels[0]);
        EXPECT_EQ(Control<QLabel>(page, Page::IDC_ROW3_LABEL)->text(), c.labels[2]);
        EXPECT_EQ(Shown(page), c.shown);
        EXPECT_TRUE(page->IsAssignmentComplete());
        const PathColumnAssignment reported = Reported(page);
        EXPECT_EQ(reported.dataType, c.dataType);
        EXPECT_EQ(reported.columns, c.columns);
        EXPECT_TRUE(reported.hasMd);
        EXPECT_EQ(List(page, Page::IDC_ROW3_COLUMN)->isEnabled(), c.row3Enabled);
        EXPECT_EQ(Control<QCheckBox>(page, Page::IDC_MD_EXISTS)->isEnabled(), c.mdExistsEnabled);
        EXPECT_TRUE(List(page, Page::IDC_MD_COLUMN)->isEnabled());
        for (int id : {Page::IDC_KELLY_BUSHING, Page::IDC_OTHER_REFERENCE})
            EXPECT_EQ(Control<QRadioButton>(page, id)->isEnabled(), c.referencesEnabled);
        EXPECT_TRUE(Control<QRadioButton>(page, Page::IDC_MEAN_SEA_LEVEL)->isEnabled());
    }
    uitest::SaveScreenshot(host.get(), "page-well-path-data-xyz.png");
}

TEST_F(WellPathDataPage, OnlyTheColumnsOfTheChosenLayoutMakeItComplete) {
    Page* page = Open("MD INCL AZIM\n1000 1 2\n");
    host->ShowPage(page);
    Click(page, Page::IDC_MD_INCL_AZIM);
    EXPECT_EQ(Shown(page), (QStringList{"1:MD", "2:INCL", "3:AZIM", ""}));
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{1, 2, 3, 0}));
    EXPECT_TRUE(page->IsAssignmentComplete());

    Click(page, Page::IDC_TVD_DX_DY); // rows 1 to 3 are not in the file
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{1, 0, 0, 0}));
    EXPECT_FALSE(page->IsAssignmentComplete());
}

TEST_F(WellPathDataPage, XYZNeedsNoMdColumn) {
    Page* page = Open("X Y Z\n5 6 -1000\n");
    host->ShowPage(page);
    Click(page, Page::IDC_X_Y_Z);
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{-1, 1, 2, 3}));
    EXPECT_TRUE(page->IsAssignmentComplete());
    EXPECT_TRUE(List(page, Page::IDC_ROW3_COLUMN)->isEnabled());
}

TEST_F(WellPathDataPage, AColumnWhoseFirstValueIsTextIsNotPreselected) {
    Page* page = Open("MD TVD X Y\n1000 abc 5 6\n1001 1001 5 6\n");
    host->ShowPage(page);
    Click(page, Page::IDC_TVD_X_Y);
    EXPECT_EQ(Shown(page), (QStringList{"1:MD", "3:X", "4:Y", ""}));
    EXPECT_FALSE(page->IsAssignmentComplete());
}

TEST_F(WellPathDataPage, TheUsersChoicesAreWhatItReports) {
    Page* page = Open("P Q R S U\n1 2 3 4 5\n");
    host->ShowPage(page);
    Click(page, Page::IDC_TVD_X_Y);
    ASSERT_TRUE(uitest::ChooseComboIndex(List(page, Page::IDC_ROW1_COLUMN), 3));
    ASSERT_TRUE(uitest::ChooseComboIndex(List(page, Page::IDC_ROW2_COLUMN), 4));
    ASSERT_TRUE(uitest::ChooseComboIndex(List(page, Page::IDC_ROW3_COLUMN), 1));
    ASSERT_TRUE(uitest::ChooseComboIndex(List(page, Page::IDC_MD_COLUMN), 0));
    EXPECT_TRUE(page->IsAssignmentComplete());
    const PathColumnAssignment reported = Reported(page);
    EXPECT_EQ(
        reported.columns,
        Columns(
            {{PathColumn::X, 4}, {PathColumn::Y, 5}, {PathColumn::Tvd, 2}, {PathColumn::Md, 1}}));

    // A new layout keeps the MD column the user picked, and shows it.
    Click(page, Page::IDC_X_Y_Z);
    EXPECT_EQ(List(page, Page::IDC_MD_COLUMN)->currentText(), "1:P");
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{1, 0, 0, 0}));
}

TEST_F(WellPathDataPage, UntickingMdExistsGreysTheMdListAndReportsNoMd) {
    Page* page = Open("MD X Y Z\n1000 5 6 7\n");
    host->ShowPage(page);
    Click(page, Page::IDC_X_Y_Z);
    Click(page, Page::IDC_MD_EXISTS);
    EXPECT_FALSE(page->HasMd());
    EXPECT_FALSE(List(page, Page::IDC_MD_COLUMN)->isEnabled());
    EXPECT_FALSE(Reported(page).hasMd);
    // MD, INCL, AZIM cannot do without its MD column.
    Click(page, Page::IDC_MD_INCL_AZIM);
    EXPECT_TRUE(List(page, Page::IDC_MD_COLUMN)->isEnabled());
    EXPECT_TRUE(Reported(page).hasMd);
}

TEST_F(WellPathDataPage, ChineseColumnNamesArePreselectedThroughTheirAliases) {
    const std::string header =
        welldata::MultiByteConverter("GB18030").ToMultiByte(L"测深 垂深 东西位移 南北位移");
    Page* page = Open(header + "\n1000 999.5 1.5 2.5\n");
    host->ShowPage(page);
    EXPECT_EQ(Shown(page), (QStringList{"1:测深", "3:东西位移", "4:南北位移", "2:垂深"}));
    EXPECT_TRUE(page->IsAssignmentComplete());
    uitest::SaveScreenshot(host.get(), "page-well-path-data-chinese.png");
}

TEST_F(WellPathDataPage, TheNullValueBoxIsReadWhileItsBoxIsTicked) {
    Page* page = Open("MD TVD DX DY\n1000 999 1 2\n");
    host->ShowPage(page);
    Click(page, Page::IDC_HAS_NULL_VALUE);
    EXPECT_TRUE(page->HasNullValue());
    EXPECT_FALSE(page->NullValueBox()->isReadOnly());
    EXPECT_FLOAT_EQ(page->GetNullValue(), -9999.0f);

    uitest::RetypeText(page->NullValueBox(), "-999.25");
    EXPECT_FLOAT_EQ(page->GetNullValue(), -999.25f);
    EXPECT_TRUE(page->IsNullValueValid());
    PathColumnAssignment reported = Reported(page);
    EXPECT_TRUE(reported.hasNullValue);
    EXPECT_FLOAT_EQ(reported.nullValue, -999.25f);

    for (const char* text : {"abc", "12abc", "1e999", "nan", ""}) {
        uitest::RetypeText(page->NullValueBox(), text);
        EXPECT_FALSE(page->IsNullValueValid()) << text;
    }

    Click(page, Page::IDC_HAS_NULL_VALUE);
    EXPECT_FALSE(page->HasNullValue());
    EXPECT_TRUE(page->NullValueBox()->isReadOnly());
    EXPECT_TRUE(page->IsNullValueValid()); // not read without the tick
    reported = Reported(page);
    EXPECT_FALSE(reported.hasNullValue);
    EXPECT_EQ(reported.nullValue, 0.0f);
}

TEST_F(WellPathDataPage, AzimuthsToTrueNorthAreReported) {
    Page* page = Open("MD INCL AZIM\n1000 1 2\n");
    EXPECT_FALSE(Reported(page).azimuthTrueNorth);
    Control<QCheckBox>(page, Page::IDC_AZIMUTH_TRUE_NORTH)->setChecked(true);
    EXPECT_TRUE(Reported(page).azimuthTrueNorth);
}

TEST_F(WellPathDataPage, ALasFileOffersItsCurveMnemonics) {
    file.Write(testing_support::LasWithData("1000.0 45.5 12.1\n1000.5 46.0 13.4\n"))
        .SetDataFormat(COMMON::WLDF_LAS);
    file.reader.SetHeaderRow(false);
    file.reader.EnsureSections();
    host = std::make_unique<PageHost>(&file.reader);
    Page* page = host->Add(new Page(host.get()), "数据");
    host->Open();
    QComboBox* md = List(page, Page::IDC_MD_COLUMN);
    ASSERT_EQ(md->count(), 3);
    EXPECT_EQ(md->itemText(0), "1:DEPT");
    EXPECT_EQ(md->itemText(1), "2:GR");
    EXPECT_EQ(md->currentText(), "1:DEPT"); // DEPT is an MD alias by prefix
}

TEST_F(WellPathDataPage, OutsideAnImportDialogNothingIsListedOrChosen) {
    QWidget parent;
    auto* page = new Page(&parent);
    page->Create(&parent);
    EXPECT_EQ(List(page, Page::IDC_MD_COLUMN)->count(), 0);
    EXPECT_FALSE(page->IsAssignmentComplete());
    Control<QRadioButton>(page, Page::IDC_MD_INCL_AZIM)->click();
    EXPECT_EQ(page->GetDataType(), PATH_MD_INCL_AZIM);
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
}

TEST_F(WellPathDataPage, LongColumnNamesAreReadWholeInTheOpenedList) {
    Page* page = Open(welldata::MultiByteConverter("GB18030").ToMultiByte(
        L"MEASURED_DEPTH_BELOW_KELLY_BUSHING TRUE_VERTICAL_DEPTH_SUBSEA 东西位移累计值\n"
        L"1000 999 1\n"));
    host->ShowPage(page);
    QComboBox* list = List(page, Page::IDC_ROW1_COLUMN);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QFontMetrics metrics(view->font());
    for (int entry = 0; entry < list->count(); ++entry)
        EXPECT_GT(view->viewport()->width(), metrics.horizontalAdvance(list->itemText(entry)))
            << list->itemText(entry).toStdString();
    uitest::SaveScreenshot(view->window(), "page-well-path-data-long-names.png");
    list->hidePopup();
}
