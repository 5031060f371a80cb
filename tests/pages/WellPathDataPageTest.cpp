// The well path data page: what it shows, greys out and preselects per
// layout, and what the user's choices report. (The null value box is checked
// through the dialog's OK.)
#include "dialogs/CDlgImportSingleWellPath.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/ShownDialog.h"
#include "platform/MultiByteConverter.h"
#include "settings/ScopedSettingsFile.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>

using Page = CDlgSingleWellPathInputData;

namespace {

std::string Gb18030(const wchar_t* text) {
    return welldata::MultiByteConverter("GB18030").ToMultiByte(text);
}

class WellPathDataPage : public ShownDialog<CDlgImportSingleWellPath> {
protected:
    void Open(const std::string& bytes) {
        ShownDialog::Open(bytes, 1);
        page = dialog->GetDataPage();
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

    // What the page reports: the data type, the chosen columns by name, "md".
    QString Reported() const {
        welldata::PathColumnAssignment out;
        page->GetColumnAssignment(out);
        const char* names[] = {"MD", "INCL", "AZIM", "TVD", "DX", "DY", "X", "Y", "Z"};
        QString text = QString::number(out.dataType) + ":";
        for (size_t column = 0; column < out.columns.size(); ++column)
            if (out.columns[column] != 0)
                text += QStringLiteral(" %1=%2").arg(names[column]).arg(out.columns[column]);
        return text + (out.hasMd ? " md" : "");
    }

    settings_test::ScopedSettingsFile settings{settings_test::SectionText(
        "well_path", {"8=MD 测深 DEPTH", "9=X 东坐标", "10=Y 北坐标", "11=Z", "12=DX 东西位移",
                      "13=DY 南北位移", "14=TVD 垂深", "15=INCL 井斜", "16=AZIM 方位"})};
    Page* page = nullptr;
};

} // namespace

TEST_F(WellPathDataPage, OnlyTheColumnsOfTheChosenLayoutMakeItComplete) {
    const std::string all = "MD INCL AZIM TVD DX DY X Y Z\n1000 1 2 999 3 4 5 6 7\n";
    // The file, the layout chosen (0: as it opens, on TVD, DX, DY), the lists,
    // and what it reports ("" when incomplete, "*" not compared).
    const std::tuple<std::string, int, QString, QString> cases[] = {
        {all, Page::IDC_MD_INCL_AZIM, "MD=1:MD INCL=2:INCL AZIM=3:AZIM TVD=~",
         "0: MD=1 INCL=2 AZIM=3 md"},
        {all, Page::IDC_TVD_DX_DY, "MD=1:MD DX=5:DX DY=6:DY TVD=4:TVD",
         "1: MD=1 TVD=4 DX=5 DY=6 md"},
        {all, Page::IDC_TVD_X_Y, "MD=1:MD X=7:X Y=8:Y TVD=4:TVD", "2: MD=1 TVD=4 X=7 Y=8 md"},
        {all, Page::IDC_X_Y_Z, "MD=1:MD X=7:X Y=8:Y Z=9:Z", "3: MD=1 X=7 Y=8 Z=9 md"},
        {"MD INCL AZIM\n1000 1 2\n", 0, "MD=1:MD DX= DY= TVD=", ""},
        {"X Y Z\n5 6 -1000\n", Page::IDC_X_Y_Z, "MD= X=1:X Y=2:Y Z=3:Z", "*"}, // needs no MD
        {Gb18030(L"测深 垂深 东西位移 南北位移\n1000 999.5 1.5 2.5\n"), 0,
         "MD=1:测深 DX=3:东西位移 DY=4:南北位移 TVD=2:垂深", "1: MD=1 TVD=2 DX=3 DY=4 md"},
        // A column whose first value is text is not preselected.
        {"MD TVD X Y\n1000 abc 5 6\n1001 1001 5 6\n", Page::IDC_TVD_X_Y,
         "MD=1:MD X=3:X Y=4:Y TVD=", ""},
    };
    for (const auto& [bytes, radio, lists, reported] : cases) {
        if (bytes != all || page == nullptr)
            Open(bytes);
        if (radio != 0)
            Click(radio);
        EXPECT_EQ(Lists(), lists);
        EXPECT_EQ(page->IsAssignmentComplete(), !reported.isEmpty()) << lists.toStdString();
        EXPECT_EQ(reported.isEmpty() || reported == "*" ? reported : Reported(), reported);
        // The depth references need a depth.
        EXPECT_EQ(Control(Page::IDC_KELLY_BUSHING)->isEnabled(), radio != Page::IDC_X_Y_Z);
        if (lists == "MD=1:MD X=7:X Y=8:Y Z=9:Z")
            uitest::SaveScreenshot(dialog.get(), "page-well-path-data-xyz.png");
        if (lists.contains("测深"))
            uitest::SaveScreenshot(dialog.get(), "page-well-path-data-chinese.png");
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
    EXPECT_EQ(Reported(), "2: MD=1 TVD=2 X=4 Y=5 md");
    Click(Page::IDC_X_Y_Z); // a new layout keeps the MD column the user picked, and shows it
    EXPECT_EQ(Lists(), "MD=1:P X= Y= Z=");
    // Unticking "存在MD" greys the MD list, except for MD, INCL, AZIM, which
    // cannot do without it.
    Click(Page::IDC_MD_EXISTS);
    EXPECT_EQ(Lists() + " " + Reported(), "MD=~1:P X= Y= Z= 3: MD=1");
    Click(Page::IDC_MD_INCL_AZIM);
    EXPECT_EQ(Lists() + " " + Reported(), "MD=1:P INCL= AZIM= TVD=~ 0: MD=1 md");
}

TEST_F(WellPathDataPage, LongColumnNamesAreReadWholeInTheOpenedList) {
    Open(Gb18030(L"MEASURED_DEPTH_BELOW_KELLY_BUSHING TRUE_VERTICAL_DEPTH_SUBSEA 东西位移累计值\n"
                 L"1000 999 1\n"));
    QComboBox* list = List(Page::IDC_ROW1_COLUMN);
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
