// Drives a CEditListCtrl as a user does: clicks a cell to open its in-place
// editor, types into the text box, picks from the drop-down list with the
// keyboard, renames a header title by double-clicking it, ticks rows.
//   uitest::TypeIntoCell(list, 0, 1, "-999.25");            // click, type, Enter
//   uitest::ChooseInCell(list, 2, CEditListCtrl::kCurveTypeColumn, "GR");
#pragma once

#include <QString>
#include <Qt>

class CEditListCtrl;

namespace uitest {

// A plain left click in the middle of the cell (right of a check box).
void ClickCell(CEditListCtrl* list, int row, int column,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the cell, replaces the text of the text box that opened with `text`
// and ends the edit with `endKey` (Qt::Key_unknown leaves the box open).
// False when no text box opened.
bool TypeIntoCell(CEditListCtrl* list, int row, int column, const QString& text,
                  Qt::Key endKey = Qt::Key_Return);
// Clicks the cell, picks `text` in the drop-down list that opened and presses
// Enter. False when no list opened or it does not offer `text`.
bool ChooseInCell(CEditListCtrl* list, int row, int column, const QString& text);
// Double-clicks the header title, replaces it with `text`, ends with `endKey`.
bool TypeHeaderTitle(CEditListCtrl* list, int column, const QString& text,
                     Qt::Key endKey = Qt::Key_Return);
void ClickRowCheck(CEditListCtrl* list, int row);

} // namespace uitest
