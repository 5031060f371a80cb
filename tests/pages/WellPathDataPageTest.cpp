// The well path data page (and the data type base under it) on files written
// for it: what it shows and greys out per layout, the columns it preselects
// through the "well_path" section of the settings file, what the user's
// choices report, and the null value box.
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/PageHost.h"
#include "platform/MultiByteConverter.h"
#include "settings/ScopedSettingsFile.h"

#include <QAbstractItemView>
#include <QLineEdit>

using Page = CDlgSingleWellPathInputData;

namespace {

std::string Gb18030(const wchar_t* text) {
    return welldata::MultiByteConverter("GB18030").ToMultiByte(text);
}

class WellPathDataPage : public PageFixture<Page> {
protected:
    void Open(const std::string& bytes) {
        PageFixture::Open(bytes);
        host->ShowPage(page);
    }

    template <class T = QWidget> T* Control(int id) { return uitest::Control<T>(page, id); }
    QComboBox* List(int id) { return Control<QComboBox>(id); }
    void Click(int id) { uitest::PressButton(page, id); }

    // What the lists show, each as "label=entry": the MD list, then rows 1 to
    // 3 under their labels; "~" marks a list greyed out.
    QString Lists() {
        QStringList texts;
        const int labels[] = {0, Page::IDC_ROW1_LABEL, Page::IDC_ROW2_LABEL, Page::IDC_ROW3_LABEL};
        const int lists[] = {Page::IDC_MD_COLUMN, Page::IDC_ROW1_COLUMN, Page::IDC_ROW2_COLUMN,
                             Page::IDC_ROW3_COLUMN};
        for (int i = 0; i < 4; ++i)
            texts << (i == 0 ? QString("MD") : Control<QLabel>(labels[i])->text()) + "=" +
                         (List(lists[i])->isEnabled() ? "" : "~") + List(lists[i])->currentText();
        return texts.join(' ');
    }

    // What the page reports: the data type, the chosen columns by name, then
    // "md", "null", "north" for its flags and the null value when not 0.
    QString Reported() const {
        welldata::PathColumnAssignment out;
        page->GetColumnAssignment(out);
        const char* names[] = {"MD", "INCL", "AZIM", "TVD", "DX", "DY", "X", "Y", "Z"};
        QString text = QString::number(out.dataType) + ":";
        for (size_t column = 0; column < out.columns.size(); ++column) {
            if (out.columns[column] != 0)
                text += QStringLiteral(" %1=%2").arg(names[column]).arg(out.columns[column]);
        }
        for (auto [flag, name] : {std::pair{out.hasMd, " md"},
                                  {out.hasNullValue, " null"},
                                  {out.azimuthTrueNorth, " north"}})
            text += flag ? name : "";
        return out.nullValue != 0.0f ? text + " " + QString::number(out.nullValue) : text;
    }

    settings_test::ScopedSettingsFile settings{settings_test::SectionText(
        "well_path", {"8=MD 测深 DEPTH", "9=X 东坐标", "10=Y 北坐标", "11=Z", "12=DX 东西位移",
                      "13=DY 南北位移", "14=TVD 垂深", "15=INCL 井斜", "16=AZIM 方位"})};
};

} // namespace

TEST_F(WellPathDataPage, EachLayoutPreselectsItsColumnsAndReportsThem) {
    // The layout's radio, its lists, what it reports, and which of "存在MD",
    // the kelly bushing and the other reference (in that order) can be used.
    const std::tuple<int, QString, QString, QString> cases[] = {
        {Page::IDC_MD_INCL_AZIM, "MD=1:MD INCL=2:INCL AZIM=3:AZIM TVD=~",
         "0: MD=1 INCL=2 AZIM=3 md", "-++"},
        {Page::IDC_TVD_DX_DY, "MD=1:MD DX=5:DX DY=6:DY TVD=4:TVD", "1: MD=1 TVD=4 DX=5 DY=6 md",
         "+++"},
        {Page::IDC_TVD_X_Y, "MD=1:MD X=7:X Y=8:Y TVD=4:TVD", "2: MD=1 TVD=4 X=7 Y=8 md", "+++"},
        {Page::IDC_X_Y_Z, "MD=1:MD X=7:X Y=8:Y Z=9:Z", "3: MD=1 X=7 Y=8 Z=9 md", "+--"},
    };
    Open("MD INCL AZIM TVD DX DY X Y Z\n1000 1 2 999 3 4 5 6 7\n");
    for (const auto& [radio, lists, reported, usable] : cases) {
        Click(radio);
        EXPECT_EQ(Lists(), lists);
        EXPECT_EQ(Reported(), reported);
        EXPECT_TRUE(page->IsAssignmentComplete()) << lists.toStdString();
        QString enabled;
        for (int id : {Page::IDC_MD_EXISTS, Page::IDC_KELLY_BUSHING, Page::IDC_OTHER_REFERENCE})
            enabled += Control(id)->isEnabled() ? "+" : "-";
        EXPECT_EQ(enabled, usable) << lists.toStdString();
        EXPECT_TRUE(Control(Page::IDC_MEAN_SEA_LEVEL)->isEnabled());
    }
    uitest::SaveScreenshot(host.get(), "page-well-path-data-xyz.png");
}

TEST_F(WellPathDataPage, OnlyTheColumnsOfTheChosenLayoutMakeItComplete) {
    const std::string mdInclAzim = "MD INCL AZIM\n1000 1 2\n";
    // The file, the layout chosen (0: as it opens, on TVD, DX, DY), the lists.
    const std::tuple<std::string, int, QString, bool> cases[] = {
        // No alias starts with P, Q or R: nothing is chosen, not even by a prefix.
        {"PQR QRS RST\n1 2 3\n", 0, "MD= DX= DY= TVD=", false},
        {mdInclAzim, Page::IDC_MD_INCL_AZIM, "MD=1:MD INCL=2:INCL AZIM=3:AZIM TVD=~", true},
        {mdInclAzim, Page::IDC_TVD_DX_DY, "MD=1:MD DX= DY= TVD=", false},
        {"X Y Z\n5 6 -1000\n", Page::IDC_X_Y_Z, "MD= X=1:X Y=2:Y Z=3:Z", true}, // needs no MD
        // A column whose first value is text is not preselected.
        {"MD TVD X Y\n1000 abc 5 6\n1001 1001 5 6\n", Page::IDC_TVD_X_Y,
         "MD=1:MD X=3:X Y=4:Y TVD=", false},
        // Chinese names through their aliases.
        {Gb18030(L"测深 垂深 东西位移 南北位移\n1000 999.5 1.5 2.5\n"), 0,
         "MD=1:测深 DX=3:东西位移 DY=4:南北位移 TVD=2:垂深", true},
        // A LAS file offers its curve mnemonics; DEPT is an MD alias by prefix.
        {testing_support::LasWithData("1000.0 45.5 12.1\n"), 0, "MD=1:DEPT DX= DY= TVD=", false},
    };
    for (const auto& [bytes, radio, lists, complete] : cases) {
        Open(bytes);
        EXPECT_TRUE(Control<QRadioButton>(Page::IDC_TVD_DX_DY)->isChecked());
        if (radio != 0)
            Click(radio);
        EXPECT_EQ(Lists(), lists);
        EXPECT_EQ(page->IsAssignmentComplete(), complete) << lists.toStdString();
        if (lists.contains("测深"))
            uitest::SaveScreenshot(host.get(), "page-well-path-data-chinese.png");
    }
}

TEST_F(WellPathDataPage, TheUsersChoicesAreWhatItReports) {
    Open("P Q R S U\n1 2 3 4 5\n");
    Click(Page::IDC_TVD_X_Y);
    for (auto [id, entry] : {std::pair{Page::IDC_ROW1_COLUMN, 3},
                             {Page::IDC_ROW2_COLUMN, 4},
                             {Page::IDC_ROW3_COLUMN, 1},
                             {Page::IDC_MD_COLUMN, 0}})
        ASSERT_TRUE(uitest::ChooseComboIndex(List(id), entry));
    EXPECT_TRUE(page->IsAssignmentComplete());
    EXPECT_EQ(Reported(), "2: MD=1 TVD=2 X=4 Y=5 md");
    Click(Page::IDC_X_Y_Z); // a new layout keeps the MD column the user picked, and shows it
    EXPECT_EQ(Lists(), "MD=1:P X= Y= Z=");

    // Unticking "存在MD" greys the MD list, except for MD, INCL, AZIM, which
    // cannot do without it.
    Click(Page::IDC_MD_EXISTS);
    EXPECT_FALSE(page->HasMd() || List(Page::IDC_MD_COLUMN)->isEnabled());
    EXPECT_EQ(Reported(), "3: MD=1");
    Click(Page::IDC_MD_INCL_AZIM);
    EXPECT_TRUE(List(Page::IDC_MD_COLUMN)->isEnabled());
    EXPECT_EQ(Reported(), "0: MD=1 md");
}

TEST_F(WellPathDataPage, TheNullValueBoxIsReadWhileItsBoxIsTicked) {
    Open("MD TVD DX DY\n1000 999 1 2\n");
    Click(Page::IDC_HAS_NULL_VALUE);
    EXPECT_FALSE(page->NullValueBox()->isReadOnly());
    EXPECT_EQ(Reported(), "1: MD=1 TVD=2 DX=3 DY=4 md null -9999");
    for (const char* text : {"abc", "12abc", "1e999", "nan", ""}) {
        uitest::RetypeText(page->NullValueBox(), text);
        EXPECT_FALSE(page->IsNullValueValid()) << text;
    }
    uitest::RetypeText(page->NullValueBox(), "-999.25");
    EXPECT_TRUE(page->IsNullValueValid());
    Control<QCheckBox>(Page::IDC_AZIMUTH_TRUE_NORTH)->setChecked(true);
    EXPECT_EQ(Reported(), "1: MD=1 TVD=2 DX=3 DY=4 md null north -999.25");

    Click(Page::IDC_HAS_NULL_VALUE);
    EXPECT_TRUE(page->NullValueBox()->isReadOnly());
    EXPECT_TRUE(page->IsNullValueValid()); // not read without the tick
    EXPECT_EQ(Reported(), "1: MD=1 TVD=2 DX=3 DY=4 md north");
}

TEST_F(WellPathDataPage, OutsideAnImportDialogNothingIsListedOrChosen) {
    QWidget parent;
    page = new Page(&parent);
    page->Create(&parent);
    EXPECT_EQ(List(Page::IDC_MD_COLUMN)->count(), 0);
    Control<QRadioButton>(Page::IDC_MD_INCL_AZIM)->click();
    EXPECT_EQ(page->GetDataType(), PATH_MD_INCL_AZIM);
    EXPECT_EQ(page->GetColumns(), (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
    EXPECT_FALSE(page->IsAssignmentComplete());
}

TEST_F(WellPathDataPage, LongColumnNamesAreReadWholeInTheOpenedList) {
    Open(Gb18030(L"MEASURED_DEPTH_BELOW_KELLY_BUSHING TRUE_VERTICAL_DEPTH_SUBSEA 东西位移累计值\n"
                 L"1000 999 1\n"));
    QComboBox* list = List(Page::IDC_ROW1_COLUMN);
    EXPECT_EQ(list->property("dropHeightExtension").toInt(), 80);
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
