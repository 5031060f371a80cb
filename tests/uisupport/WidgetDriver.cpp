#include "uisupport/WidgetDriver.h"

#include "controls/CFileDialogExt.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace uitest {

void TypeText(QWidget* widget, const QString& text) {
    // QTest::keyClicks maps ASCII only: every character goes as the text of a
    // key event instead.
    for (char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, key, modifiers);
}

void RetypeText(QLineEdit* box, const QString& text) {
    box->selectAll();
    PressKey(box, Qt::Key_Backspace);
    TypeText(box, text);
}

void ClickTab(QTabWidget* tabs, int index) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      tabs->tabBar()->tabRect(index).center());
}

bool ChooseComboIndex(QComboBox* combo, int index) {
    if (combo == nullptr || index < 0 || index >= combo->count())
        return false;
    QTest::keyClick(combo, Qt::Key_Home);
    for (int step = 0; step < index; ++step)
        QTest::keyClick(combo, Qt::Key_Down);
    return combo->currentIndex() == index;
}

bool ChooseComboText(QComboBox* combo, const QString& text) {
    return combo != nullptr && ChooseComboIndex(combo, combo->findText(text, Qt::MatchExactly));
}

void ClickButton(QAbstractButton* button) {
    if (button == nullptr)
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QPoint where = button->rect().center();
    if (qobject_cast<QCheckBox*>(button) != nullptr)
        where =
            button->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, button).center();
    else if (qobject_cast<QRadioButton*>(button) != nullptr)
        where = button->style()
                    ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button)
                    .center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

void PressButton(const QWidget* root, int id) {
    ClickButton(Control<QAbstractButton>(root, id));
}

void PressOk(const QWidget* root) {
    PressButton(root, 1);
}

void PressCancel(const QWidget* root) {
    PressButton(root, 2);
}

bool ChooseContextCommand(QWidget* widget, const QPoint& position, int commandId) {
    bool chosen = false;
    const auto watcher = WhenPopup<QMenu>([commandId, &chosen](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (welldata::ControlIdOf(action) == commandId && action->isEnabled()) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
                return;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, widget->mapToGlobal(position));
    QApplication::sendEvent(widget, &event);
    return chosen;
}

std::unique_ptr<ModalWatcher> AnswerMessageBox(QMessageBox::StandardButton button) {
    return WhenModal<QMessageBox>([button](QMessageBox* box) {
        if (QAbstractButton* answer = box->button(button))
            answer->click();
        else
            box->done(QMessageBox::Cancel);
    });
}

std::unique_ptr<ModalWatcher> AnswerFileDialog(const QStringList& paths, int filterIndex) {
    return WhenModal<CFileDialogExt>([paths, filterIndex](CFileDialogExt* dialog) {
        // The library's dialog is never the desktop's: its file type list and
        // name box are there to be used as a user does.
        if (filterIndex > 0)
            ChooseComboIndex(dialog->findChild<QComboBox*>("fileTypeCombo"), filterIndex - 1);
        if (paths.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(QFileInfo(paths.front()).absolutePath());
        QStringList names;
        for (const QString& path : paths)
            names << (paths.size() > 1 ? QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName())
                                       : QFileInfo(path).fileName());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names.join(QLatin1Char(' ')));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QString SaveScreenshot(QWidget* widget, const QString& fileName) {
    QString folder = qEnvironmentVariable("WELLDATA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral(WELLDATA_SCREENSHOT_DEFAULT_DIR);
    const QString path = QDir(folder).absoluteFilePath(fileName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
    return path;
}

} // namespace uitest
