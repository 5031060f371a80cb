// Drives widgets as a user does: finds controls by their control id, types
// (Chinese too), picks combo box entries with the keyboard, ticks check boxes
// in item views, presses buttons, opens context menus and picks their
// commands, answers message boxes and the library's file dialog, and saves
// screenshots.
//   auto* list = uitest::Control<CEditListCtrl>(&dialog, 30056);
//   uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5), CEditListCtrl::ID_ADD_RECORD);
//   uitest::PressOk(&dialog);
#pragma once

#include "controls/ControlId.h"
#include "uisupport/ModalWatcher.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QPoint>
#include <QStringList>
#include <gtest/gtest.h>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace uitest {

// The control `id` of type T under `root`; adds a test failure when missing.
template <class T = QWidget> T* Control(const QWidget* root, int id) {
    T* control = welldata::FindControl<T>(root, id);
    EXPECT_NE(control, nullptr) << "no control " << id << " of the wanted type";
    return control;
}

// Types `text` one key event per character, non-Latin characters included.
void TypeText(QWidget* widget, const QString& text);
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Replaces the text of a line edit as a user does: selects it all, deletes it
// and types `text`.
void RetypeText(QLineEdit* box, const QString& text);

// Picks entry `index` (or the entry reading `text`) of a closed combo box with
// the keyboard, so that the box reports the choice as a user's.
bool ChooseComboIndex(QComboBox* combo, int index);
bool ChooseComboText(QComboBox* combo, const QString& text);

void ClickTab(QTabWidget* tabs, int index);

// Clicks a button where a click counts: a check box or radio button stretched
// wider than its text takes clicks on its box and text only.
void ClickButton(QAbstractButton* button);
// Clicks the button with control id `id` (OK is 1, Cancel 2).
void PressButton(const QWidget* root, int id);
void PressOk(const QWidget* root);
void PressCancel(const QWidget* root);

// Opens `widget`'s context menu at `position` and picks the command whose
// control id is `commandId`. False when no menu opened or it had no such
// command (the menu is then closed).
bool ChooseContextCommand(QWidget* widget, const QPoint& position, int commandId);

// Answers the next message box shown as a real box by clicking `button`.
std::unique_ptr<ModalWatcher> AnswerMessageBox(QMessageBox::StandardButton button);

// Answers the next library file dialog: picks file type `filterIndex` (1-based,
// 0 leaves it) with its file type list, chooses `paths` (several when it allows
// several) and accepts; an empty `paths` cancels.
std::unique_ptr<ModalWatcher> AnswerFileDialog(const QStringList& paths, int filterIndex = 0);

// Saves a picture of `widget` as `fileName` in the screenshot folder (the
// environment variable WELLDATA_SCREENSHOT_DIR, else the build's screenshots
// folder) and returns its path.
QString SaveScreenshot(QWidget* widget, const QString& fileName);

} // namespace uitest
