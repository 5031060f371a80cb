// The editable list as a page uses it: in-place text box and drop-down list,
// the curve list's choices and curve type rule, header titles, context menus,
// and edits that meet scrolling, row removal and dialogs.
#include "controls/CComboBoxExt.h"
#include "controls/CEditExt.h"
#include "controls/CEditListCtrl.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using List = CEditListCtrl;

class EditList : public testing::Test {
protected:
    // A dialog with the list, another box, OK (the default button) and Cancel.
    void SetUp() override {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list = new List(&dialog));
        layout->addWidget(other = new QLineEdit(&dialog));
        for (int id : {1, 2}) {
            auto* button = new QPushButton(id == 1 ? "确定" : "取消", &dialog);
            button->setProperty(welldata::kControlIdProperty, id);
            button->setDefault(id == 1);
            QObject::connect(button, &QPushButton::clicked, &dialog,
                             id == 1 ? &QDialog::accept : &QDialog::reject);
            layout->addWidget(button);
        }
        dialog.resize(360, 300);
    }

    // The curve list of a log page, rows ticked: names, file columns, types, units.
    void MakeCurveList(int rows) {
        list->SetCheckBoxes(true);
        const char* titles[] = {"曲线名称", "列", "曲线类型", "单位"};
        const int widths[] = {100, 35, 75, 75};
        for (int c = 0; c < 4; ++c)
            list->InsertColumn(c, titles[c], widths[c]);
        list->SetColumnCount(4);
        list->SetChoiceListScroll(true);
        for (int c = 0; c < 4; ++c)
            list->SetColumnEditKind(c, c == 0 ? List::kTextEdit : List::kChoiceList);
        for (int r = 0; r < rows; ++r) {
            list->AppendRow({QStringLiteral("C%1").arg(r + 1), QString::number(r + 1)});
            list->SetCheck(r, true);
        }
        Show();
    }

    QStringList Column(int column) const {
        QStringList texts;
        for (int r = 0; r < list->rowCount(); ++r)
            texts << list->GetItemText(r, column);
        return texts;
    }

    void Show() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QDialog dialog;
    List* list = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(EditList, TheTextBoxOpensRightOfTheCheckBoxAndEveryWayOfLeavingItEndsTheEdit) {
    MakeCurveList(4);
    uitest::ClickCell(list, 1, 0);
    CEditExt* box = CEditExt::Current();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->selectedText(), "C2");
    const QRect cell = list->visualRect(list->model()->index(1, 0));
    EXPECT_TRUE(cell.contains(box->geometry()) && box->geometry().left() > cell.left() + 10);
    uitest::TypeText(box, "自然伽马 GR");
    uitest::PressKey(box, Qt::Key_Return);
    // Escape keeps the text; an emptied box empties the cell; a click on
    // another cell, or the focus going elsewhere, ends the open edit.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 0, 0, "X", Qt::Key_Escape));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, 0, ""));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 3, 0, "1", Qt::Key_unknown));
    uitest::ClickCell(list, 0, 0);
    uitest::TypeText(CEditExt::Current(), "2");
    other->setFocus();
    EXPECT_EQ(CEditExt::Current(), nullptr);
    EXPECT_EQ(Column(0), (QStringList{"2", "自然伽马 GR", "", "1"}));
    EXPECT_TRUE(dialog.isVisible()); // Enter and Escape stay in the editor
}

TEST_F(EditList, TheCurveListOffersColumnsCurveTypesAndTheRowsUnits) {
    MakeCurveList(5);
    list->SetItemData(0, 21); // GR
    // The open list shows the choices, the first beginning with the cell's text
    // (any case) selected, else the first; a unit not the curve's comes first.
    const std::tuple<int, QString, QString, QStringList> cases[] = {
        {List::kCurveTypeColumn, "gr", "GR", {}},
        {List::kFileColumnColumn, "4", "4", {"1", "2", "3", "4", "5"}},
        {List::kUnitColumn, "gAPI/m", "gAPI/m", {"gAPI/m", "API", "GAPI", "微伦琴/小时"}},
    };
    for (const auto& [column, text, selected, choices] : cases) {
        list->SetItemText(0, column, text);
        uitest::ClickCell(list, 0, column);
        CComboBoxExt* open = CComboBoxExt::Current();
        ASSERT_NE(open, nullptr);
        EXPECT_TRUE(choices.isEmpty() || choices == open->GetChoiceTexts());
        EXPECT_EQ(open->currentText(), selected) << text.toStdString();
        uitest::PressKey(open, Qt::Key_Escape);
        EXPECT_EQ(list->GetItemText(0, column), text); // Escape keeps the cell
    }
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(EditList, ChoosingACurveTypeSetsTheRowsCurveAndUnit) {
    MakeCurveList(2);
    QSignalSpy chosen(list, &List::curveTypeChosen);
    const std::tuple<QString, int, QString> cases[] = {
        {"GR", 21, "API"}, {"POR", 49, ""} /* no units */, {"", List::kNoCurve, ""}};
    for (const auto& [type, curveId, unit] : cases) {
        ASSERT_TRUE(uitest::ChooseInCell(list, 1, List::kCurveTypeColumn, type));
        EXPECT_EQ(std::tuple(list->GetItemData(1), list->GetItemText(1, List::kUnitColumn)),
                  std::tuple(curveId, unit));
        EXPECT_EQ(chosen.back(), (QList<QVariant>{1, curveId}));
    }
}

TEST_F(EditList, ScrollingAndRemovingRowsEndOrFollowAnOpenEdit) {
    MakeCurveList(60);
    ASSERT_TRUE(uitest::TypeIntoCell(list, 0, 0, "-999.25", Qt::Key_unknown));
    list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FALSE(list->IsEditing() || list->GetItemText(0, 0) != "-999.25");
    list->scrollToTop();
    // A row inserted above: the edit follows its row.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, 0, "7", Qt::Key_unknown));
    list->InsertRow(0, " 0");
    uitest::PressKey(CEditExt::Current(), Qt::Key_Return);
    EXPECT_EQ(list->GetItemText(3, 0), "7");
    // The edited row removed: the edit is dropped without a word.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 1, 0, "8", Qt::Key_unknown));
    list->removeRow(1);
    EXPECT_FALSE(list->IsEditing());
}

TEST_F(EditList, HeaderTitlesAreRenamedByDoubleClickWhenAllowed) {
    MakeCurveList(2);
    QSignalSpy renamed(list, &List::headerTitleEdited);
    EXPECT_FALSE(uitest::TypeHeaderTitle(list, 0, "孔隙度")); // not allowed yet
    list->SetHeaderTitlesEditable(true);
    const QString longTitle(1000, QLatin1Char('P'));
    const std::tuple<QString, Qt::Key, QString> cases[] = {
        {"孔隙度 POR", Qt::Key_Return, "孔隙度 POR"},
        {" ", Qt::Key_Return, "孔隙度 POR"}, // a title cannot be emptied
        {longTitle, Qt::Key_Return, longTitle.left(255)},
    };
    for (const auto& [typed, end, title] : cases) {
        ASSERT_TRUE(uitest::TypeHeaderTitle(list, 0, typed, end));
        EXPECT_EQ(list->GetHeaderTitles().value(0), title);
        EXPECT_EQ(renamed.back(), (QList<QVariant>{0, title}));
    }
}

TEST_F(EditList, ContextMenusTickRowsAndEditRecords) {
    MakeCurveList(4);
    const auto choose = [this](int command) {
        return uitest::ChooseContextCommand(list->viewport(), QPoint(20, 10), command);
    };
    EXPECT_FALSE(choose(List::ID_CHECK_ALL)); // no menu by default
    list->SetContextMenu(List::ContextMenu::CheckRows);
    ASSERT_TRUE(choose(List::ID_UNCHECK_ALL) && !choose(List::ID_ADD_RECORD));
    ASSERT_TRUE(choose(List::ID_CHECK_ALL));
    EXPECT_TRUE(list->GetCheck(0) && list->GetCheck(3));
    list->SetContextMenu(List::ContextMenu::Records);
    ASSERT_TRUE(choose(List::ID_ADD_RECORD));
    uitest::ClickCell(list, 1, 1);
    uitest::ClickCell(list, 3, 1, Qt::ShiftModifier);
    ASSERT_TRUE(choose(List::ID_DELETE_RECORD));
    EXPECT_EQ(Column(0), (QStringList{"C1", " 5"})); // numbered as the fifth when added
    ASSERT_TRUE(choose(List::ID_DELETE_ALL));
    EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(EditList, PictureWithAnOpenUnitList) {
    MakeCurveList(0);
    for (const QString& row : QString("DEPT 1 DEPTH m|GR 2 GR API|自然电位 3 SP 毫伏|RT 4 RT Ω·M|"
                                      "DEN 5 DEN g/cm^3|井径 6")
                                  .split('|'))
        list->AppendRow(row.split(' '));
    list->SetItemData(1, 21);
    for (int r = 0; r < 5; ++r)
        list->SetCheck(r, true);
    uitest::ClickCell(list, 1, List::kUnitColumn);
    ASSERT_NE(CComboBoxExt::Current(), nullptr);
    uitest::SaveScreenshot(&dialog, "edit-list-control.png");
    CComboBoxExt::Current()->Finish();
}
