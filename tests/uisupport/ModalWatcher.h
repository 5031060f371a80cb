// Acts on a modal window from a timer: a modal dialog's exec() (a message box,
// a file dialog, a popup menu) blocks the test, so the test arms a watcher
// first. The watcher polls until its widget is shown, runs its action on it
// once and stops. A nested window (a message box the dialog opens) is watched
// from inside the outer action, before the click that opens it.
//   auto watch = uitest::WhenModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
//   dialog.exec();              // or the click that opens the box
//   EXPECT_TRUE(watch->Fired());
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QDialog;

namespace uitest {

class ModalWatcher {
public:
    // `find` returns the widget to act on, or null while it is not there.
    ModalWatcher(std::function<QWidget*()> find, std::function<void(QWidget*)> act);
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    bool Fired() const { return m_fired; }

private:
    std::function<QWidget*()> m_find;
    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
    bool m_fired = false;
};

// Acts once a `T` is the active modal widget.
template <class T> std::unique_ptr<ModalWatcher> WhenModal(std::function<void(T*)> act) {
    return std::make_unique<ModalWatcher>(
        [] { return qobject_cast<T*>(QApplication::activeModalWidget()); },
        [act](QWidget* widget) { act(static_cast<T*>(widget)); });
}

// Acts once a `T` (a QMenu) is the open popup.
template <class T> std::unique_ptr<ModalWatcher> WhenPopup(std::function<void(T*)> act) {
    return std::make_unique<ModalWatcher>(
        [] { return qobject_cast<T*>(QApplication::activePopupWidget()); },
        [act](QWidget* widget) { act(static_cast<T*>(widget)); });
}

// Runs `dialog` modally; `drive` acts on it once it is the active modal widget
// and must end it (or leave that to a message box it answers). Returns exec()'s
// result.
int RunModal(QDialog& dialog, std::function<void(QDialog&)> drive);

} // namespace uitest
