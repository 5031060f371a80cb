// The editable list as a page uses it: in-place text box and drop-down list,
// the curve list's choices and curve type rule, header titles, context menus,
// and edits that meet scrolling, refilling and dialogs.
#include "controls/CComboBoxExt.h"
#include "controls/CEditExt.h"
#include "controls/CEditListCtrl.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
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
    void SetUp() override {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(list = new List(&dialog));
        layout->addWidget(other = new QLineEdit(&dialog));
        for (int id : {1, 2}) { // OK, the default button, and Cancel
            auto* button = new QPushButton(id == 1 ? "确定" : "取消", &dialog);
            button->setProperty(welldata::kControlIdProperty, id);
            button->setDefault(id == 1);
            QObject::connect(button, &QPushButton::clicked, &dialog,
                             id == 1 ? &QDialog::accept : &QDialog::reject);
            layout->addWidget(button);
        }
        dialog.resize(360, 300);
    }

    // The curve list of a log page, rows ticked: names, file columns, types,
    // units.
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

    // The null value list of the settings page: one text column.
    void MakeValueList(int rows) {
        list->InsertColumn(0, "序号", 80);
        list->InsertColumn(1, "设定值", 100);
        list->SetColumnCount(2);
        list->SetColumnEditKind(1, List::kTextEdit);
        for (int r = 0; r < rows; ++r)
            list->AppendRow({QStringLiteral(" %1").arg(r + 1), "-9999.00"});
        Show();
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
    EXPECT_FALSE(list->SetColumnEditKind(0, List::kTextEdit)); // no column counted yet
    MakeCurveList(4);
    EXPECT_FALSE(list->SetColumnEditKind(4, List::kTextEdit));
    QSignalSpy ended(list, &List::cellEditEnded);
    uitest::ClickCell(list, 1, 0);
    CEditExt* box = CEditExt::Current();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->selectedText(), "C2");
    EXPECT_TRUE(box->hasFocus());
    const QRect cell = list->visualRect(list->model()->index(1, 0));
    EXPECT_TRUE(cell.contains(box->geometry()));
    EXPECT_GT(box->geometry().left(), cell.left() + 10);
    uitest::TypeText(box, "自然伽马 GR");
    uitest::PressKey(box, Qt::Key_Return);
    EXPECT_EQ(CEditExt::Current(), nullptr);
    EXPECT_TRUE(list->GetCheck(1));

    // Escape: the cell keeps its text, the owner still hears of the edit.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 0, 0, "X", Qt::Key_Escape));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, 0, "")); // an emptied box empties the cell
    // A click on another cell ends the open edit first.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 3, 0, "1", Qt::Key_unknown));
    uitest::ClickCell(list, 0, 0);
    // The focus moving to another control ends it too.
    uitest::TypeText(CEditExt::Current(), "2");
    other->setFocus();
    EXPECT_EQ(CEditExt::Current(), nullptr);
    QStringList texts;
    for (int r = 0; r < 4; ++r)
        texts << list->GetItemText(r, 0);
    EXPECT_EQ(texts, (QStringList{"2", "自然伽马 GR", "", "1"}));
    QList<QVariant> signalled;
    for (const QList<QVariant>& signal : ended)
        signalled << signal[0] << signal[2];
    EXPECT_EQ(signalled, (QList<QVariant>{1, "自然伽马 GR", 0, "C1", 2, "", 3, "1", 0, "2"}));
}

TEST_F(EditList, EnterAndEscapeInAnEditorLeaveTheDialogOpen) {
    MakeCurveList(3);
    dialog.hide();
    bool stillOpen = false;
    const int result = uitest::RunModal(dialog, [&](QDialog& d) {
        uitest::TypeIntoCell(list, 0, 0, "DEPTH", Qt::Key_Return);
        uitest::TypeIntoCell(list, 1, 0, "X", Qt::Key_Escape);
        uitest::ChooseInCell(list, 2, List::kCurveTypeColumn,
                             "GR"); // ends with Enter
        uitest::ClickCell(list, 2, List::kCurveTypeColumn);
        uitest::PressKey(CComboBoxExt::Current(), Qt::Key_Escape);
        stillOpen = d.isVisible();
        uitest::PressCancel(&d);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(list->GetItemText(0, 0), "DEPTH");
    EXPECT_EQ(list->GetItemText(2, 2), "GR");
}

TEST_F(EditList, ClicksThatOpenNoEditor) {
    MakeCurveList(3);
    list->SetItemData(1, List::kNoCurve);
    list->SetColumnEditKind(1, List::kNotEditable);
    const std::tuple<int, int, Qt::KeyboardModifiers> cases[] = {
        {0, 0, Qt::ShiftModifier},              // selecting several rows
        {0, 2, Qt::ControlModifier},            //
        {0, 1, Qt::NoModifier},                 // a column that is not editable
        {1, List::kUnitColumn, Qt::NoModifier}, // a unit of a row without curve type
    };
    for (const auto& [row, column, modifiers] : cases) {
        uitest::ClickCell(list, row, column, modifiers);
        EXPECT_FALSE(list->IsEditing()) << row << "," << column;
    }
    // Below the last row, and on a check box (which ticks instead).
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(50, list->viewport()->height() - 3));
    EXPECT_FALSE(list->IsEditing());
    uitest::ClickRowCheck(list, 2);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_FALSE(list->GetCheck(2));
    // A column too narrow for a drop-down list.
    list->SetColumnEditKind(1, List::kChoiceList);
    list->setColumnWidth(1, List::kMinChoiceColumnWidth - 1);
    EXPECT_FALSE(list->EditCell(0, 1));
    list->setColumnWidth(1, List::kMinChoiceColumnWidth);
    EXPECT_TRUE(list->EditCell(0, 1));
    // The same column count keeps the edit kinds, another makes none editable.
    list->SetColumnCount(4);
    EXPECT_TRUE(list->EditCell(0, 0));
    list->SetColumnCount(5);
    EXPECT_FALSE(list->EditCell(0, 0));
}

TEST_F(EditList, TheCurveListOffersColumnsCurveTypesAndTheRowsUnits) {
    MakeCurveList(5);
    EXPECT_EQ(list->GetCellChoiceTexts(0, List::kFileColumnColumn),
              (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(list->GetCellChoiceTexts(0, List::kCurveTypeColumn).mid(0, 3),
              (QStringList{"", "DEPTH", "TVD"}));
    list->SetItemData(0, 21); // GR
    // The open list shows the choices, the first beginning with the cell's text
    // (any case) selected, else the first; a unit not the curve's comes first.
    const std::tuple<int, QString, QString, QStringList> cases[] = {
        {List::kCurveTypeColumn, "gr", "GR", {}},
        {List::kCurveTypeColumn, "zz", "", {}},
        {List::kFileColumnColumn, "4", "4", {}},
        {List::kUnitColumn, "GAPI", "GAPI", {"API", "GAPI", "微伦琴/小时"}},
        {List::kUnitColumn, "gAPI/m", "gAPI/m", {"gAPI/m", "API", "GAPI", "微伦琴/小时"}},
    };
    for (const auto& [column, text, selected, units] : cases) {
        list->SetItemText(0, column, text);
        uitest::ClickCell(list, 0, column);
        CComboBoxExt* open = CComboBoxExt::Current();
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->GetChoiceTexts(), list->GetCellChoiceTexts(0, column));
        EXPECT_TRUE(units.isEmpty() || units == open->GetChoiceTexts());
        EXPECT_EQ(open->currentText(), selected) << text.toStdString();
        open->Cancel();
        EXPECT_EQ(list->GetItemText(0, column), text); // Escape keeps the cell
    }
}

TEST_F(EditList, ChoosingACurveTypeSetsTheRowsCurveAndUnit) {
    MakeCurveList(2);
    QSignalSpy chosen(list, &List::curveTypeChosen);
    const std::tuple<QString, int, QString> cases[] = {
        {"GR", 21, "API"}, {"POR", 49, ""} /* no units */, {"", List::kNoCurve, ""}};
    for (const auto& [type, curveId, unit] : cases) {
        ASSERT_TRUE(uitest::ChooseInCell(list, 1, List::kCurveTypeColumn, type));
        EXPECT_EQ(list->GetItemText(1, List::kCurveTypeColumn), type);
        EXPECT_EQ(list->GetItemData(1), curveId);
        EXPECT_EQ(list->GetItemText(1, List::kUnitColumn), unit);
        EXPECT_EQ(chosen.back(), (QList<QVariant>{1, curveId}));
    }
    // Another column's list is no curve type choice.
    ASSERT_TRUE(uitest::ChooseInCell(list, 0, List::kFileColumnColumn, "2"));
    EXPECT_EQ(list->GetItemData(0), List::kNoCurve);

    // Closing the drop-down part ends the edit with its choice.
    uitest::ClickCell(list, 0, List::kCurveTypeColumn);
    CComboBoxExt* choices = CComboBoxExt::Current();
    choices->showPopup();
    QAbstractItemView* entries = choices->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entries->window()));
    EXPECT_TRUE(list->IsEditing()); // the open drop-down part keeps the edit open
    entries->setCurrentIndex(entries->model()->index(choices->findText("DEPTH"), 0));
    QTest::keyClick(entries, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !list->IsEditing(); }));
    EXPECT_EQ(list->GetItemText(0, List::kUnitColumn), "m");
    EXPECT_EQ(list->GetItemData(0), 17);
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(EditList, ScrollingAndRefillingEndOrFollowAnOpenEdit) {
    MakeValueList(60);
    QSignalSpy ended(list, &List::cellEditEnded);
    ASSERT_TRUE(uitest::TypeIntoCell(list, 0, 1, "-999.25", Qt::Key_unknown));
    list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetItemText(0, 1), "-999.25");
    // A cell partly out of view on the right is scrolled into view for its
    // editor.
    list->setColumnWidth(1, 900);
    ASSERT_TRUE(list->EditCell(40, 1));
    const QRect box = CEditExt::Current()->geometry();
    EXPECT_GE(box.left(), 0);
    EXPECT_LE(box.right(), list->viewport()->width() - 1);
    CEditExt::Current()->Finish();
    list->setColumnWidth(1, 100);
    list->scrollToTop();

    // A row inserted above: the edit follows its row.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, 1, "7", Qt::Key_unknown));
    list->InsertRow(0, " 0");
    uitest::PressKey(CEditExt::Current(), Qt::Key_Return);
    EXPECT_EQ(list->GetItemText(3, 1), "7");
    // The edited row removed, or every row: the edit is dropped without a word.
    ASSERT_TRUE(uitest::TypeIntoCell(list, 1, 1, "8", Qt::Key_unknown));
    list->removeRow(1);
    EXPECT_FALSE(list->IsEditing());
    ASSERT_TRUE(list->EditCell(1, 1));
    list->DeleteAllRows();
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(ended.count(), 3);
}

TEST_F(EditList, HeaderTitlesAreRenamedByDoubleClickWhenAllowed) {
    MakeValueList(2);
    QSignalSpy renamed(list, &List::headerTitleEdited);
    EXPECT_FALSE(uitest::TypeHeaderTitle(list, 1, "孔隙度")); // not allowed yet
    list->SetHeaderTitlesEditable(true);
    const QString longTitle(1000, QLatin1Char('P'));
    const std::tuple<QString, Qt::Key, QString> cases[] = {
        {"孔隙度 POR", Qt::Key_Return, "孔隙度 POR"},
        {"PERM", Qt::Key_Escape, "孔隙度 POR"}, // Escape keeps the title
        {"", Qt::Key_Return, "孔隙度 POR"},     // a title cannot be emptied
        {"   ", Qt::Key_Return, "孔隙度 POR"},
        {longTitle, Qt::Key_Return, longTitle.left(255)}, // cut to what a title holds
    };
    for (const auto& [typed, end, title] : cases) {
        ASSERT_TRUE(uitest::TypeHeaderTitle(list, 1, typed, end));
        EXPECT_EQ(list->GetHeaderTitles(), (QStringList{"序号", title}));
        EXPECT_EQ(renamed.back(), (QList<QVariant>{1, title}));
    }
}

TEST_F(EditList, ContextMenusTickRowsAndEditRecords) {
    MakeCurveList(4);
    const QPoint inside(20, 10);
    const auto choose = [this, inside](int command) {
        return uitest::ChooseContextCommand(list->viewport(), inside, command);
    };
    EXPECT_FALSE(choose(List::ID_CHECK_ALL)); // no menu by default
    list->SetContextMenu(List::ContextMenu::CheckRows);
    ASSERT_TRUE(choose(List::ID_UNCHECK_ALL));
    EXPECT_FALSE(list->GetCheck(0) || list->GetCheck(3));
    ASSERT_TRUE(choose(List::ID_CHECK_ALL));
    EXPECT_TRUE(list->GetCheck(0) && list->GetCheck(3));
    EXPECT_FALSE(choose(List::ID_ADD_RECORD));

    list->SetContextMenu(List::ContextMenu::Records);
    ASSERT_TRUE(choose(List::ID_ADD_RECORD));
    EXPECT_EQ(list->GetItemText(4, 0), " 5");
    uitest::ClickCell(list, 1, 1);
    uitest::ClickCell(list, 3, 1, Qt::ShiftModifier);
    ASSERT_TRUE(choose(List::ID_DELETE_RECORD));
    EXPECT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->GetItemText(1, 0), " 5");
    ASSERT_TRUE(choose(List::ID_DELETE_ALL));
    EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(EditList, OneSharedEditorOfEachKindServesEveryList) {
    MakeValueList(2);
    auto* second = new List(&dialog);
    dialog.layout()->addWidget(second);
    second->InsertColumn(0, "A", 80);
    second->SetColumnCount(1);
    second->SetColumnEditKind(0, List::kTextEdit);
    second->AppendRow({"a"});
    QTest::qWait(0);

    ASSERT_TRUE(list->EditCell(0, 1));
    CEditExt* box = CEditExt::Current();
    ASSERT_TRUE(second->EditCell(0, 0)); // the first edit ends, the same box moves
    EXPECT_EQ(CEditExt::Current(), box);
    EXPECT_FALSE(list->IsEditing());
    delete second; // the box lived inside it and goes with it
    EXPECT_EQ(CEditExt::Current(), nullptr);
    ASSERT_TRUE(list->EditCell(1, 1));
    CEditExt::Current()->Finish();
}

TEST_F(EditList, PictureWithAnOpenCurveTypeList) {
    MakeCurveList(6);
    const QStringList cells = QString("DEPT 1 DEPTH m|GR 2 GR API|自然电位 3 SP 毫伏|RT 4 RT Ω·M|"
                                      "DEN 5 DEN g/cm^3|井径 6")
                                  .split('|');
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c)
            list->SetItemText(r, c, cells[r].split(' ').value(c));
    list->SetItemData(1, 21);
    list->SetCheck(5, false);
    uitest::ClickCell(list, 1, List::kUnitColumn);
    ASSERT_NE(CComboBoxExt::Current(), nullptr);
    uitest::SaveScreenshot(&dialog, "edit-list-control.png");
    CComboBoxExt::Current()->Finish();
}
