#include "uisupport/ListDriver.h"

#include "controls/CComboBoxExt.h"
#include "controls/CEditExt.h"
#include "controls/CEditListCtrl.h"
#include "uisupport/WidgetDriver.h"

#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTest>

namespace uitest {

namespace {

// Replaces the whole text of the open box and ends the edit.
bool TypeIntoOpenBox(const QString& text, Qt::Key endKey) {
    CEditExt* box = CEditExt::Current();
    if (box == nullptr)
        return false;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    TypeText(box, text);
    if (endKey != Qt::Key_unknown)
        QTest::keyClick(box, endKey);
    return true;
}

} // namespace

void ClickCell(CEditListCtrl* list, int row, int column, Qt::KeyboardModifiers modifiers) {
    list->scrollTo(list->model()->index(row, column));
    QRect cell = list->visualRect(list->model()->index(row, column));
    if (column == 0 && list->HasCheckBoxes())
        cell.setLeft(cell.left() + cell.width() / 2); // a click on the box would tick it
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, cell.center());
}

bool TypeIntoCell(CEditListCtrl* list, int row, int column, const QString& text, Qt::Key endKey) {
    ClickCell(list, row, column);
    return TypeIntoOpenBox(text, endKey);
}

bool ChooseInCell(CEditListCtrl* list, int row, int column, const QString& text) {
    ClickCell(list, row, column);
    CComboBoxExt* choices = CComboBoxExt::Current();
    if (choices == nullptr || !ChooseComboText(choices, text))
        return false;
    QTest::keyClick(choices, Qt::Key_Return);
    return true;
}

bool TypeHeaderTitle(CEditListCtrl* list, int column, const QString& text, Qt::Key endKey) {
    QHeaderView* header = list->horizontalHeader();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    return TypeIntoOpenBox(text, endKey);
}

void ClickRowCheck(CEditListCtrl* list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualRect(list->model()->index(row, 0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
}

} // namespace uitest
