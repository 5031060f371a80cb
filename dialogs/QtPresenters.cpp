#include "dialogs/QtPresenters.h"

#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"
#include "dialogs/QtCatalogue.h"
#include "interface/GuiUnitQuestion.h"
#include "platform/GuiPresenters.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <mutex>

namespace welldata {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageResult FromQtButton(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return MessageResult::Ok;
    }
}

bool OnGuiThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs `show` on the GUI thread and waits for it; at once when this is the GUI
// thread.
template <class Show> void ShowOnGuiThread(Show show) {
    if (OnGuiThread())
        show();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), show, Qt::BlockingQueuedConnection);
}

// The wait cursor belongs to the GUI thread; a load elsewhere shows none.
bool ShowsWaitCursor() {
    return HasWidgetApplication() && OnGuiThread();
}

} // namespace

void InstallGuiPresenters() {
    InstallQtPresenters();
}

void InstallQtPresenters() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        SetGuiMessagePresenter(PresentMessageBox);
        SetGuiUnitQuestionPresenter(PresentUnitQuestion);
        WaitCursorHooks hooks;
        hooks.begin = [] {
            if (ShowsWaitCursor())
                QApplication::setOverrideCursor(Qt::WaitCursor);
        };
        hooks.end = [] {
            if (ShowsWaitCursor())
                QApplication::restoreOverrideCursor();
        };
        SetWaitCursorHooks(std::move(hooks));
    });
    InstallCatalogueInApplication();
}

bool HasWidgetApplication() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

QWidget* OwnerWindow(MessageOwner owner) {
    switch (owner) {
    case MessageOwner::FocusWindow:
        if (QWidget* focus = QApplication::focusWidget())
            return focus->window();
        return QApplication::activeWindow();
    case MessageOwner::Dialog:
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        return QApplication::activeWindow();
    case MessageOwner::ApplicationBox:
        return QApplication::activeWindow();
    case MessageOwner::None:
        break;
    }
    return nullptr;
}

bool PresentMessageBox(const MessageRequest& request, MessageResult& result) {
    if (!HasWidgetApplication())
        return false;
    ShowOnGuiThread([&request, &result] {
        QMessageBox box(ToQtIcon(request.icon), QString::fromStdWString(request.caption),
                        QString::fromStdWString(request.text), ToQtButtons(request.buttons),
                        OwnerWindow(request.owner));
        box.setProperty("welldataOwner", static_cast<int>(request.owner));
        result = FromQtButton(box.exec());
    });
    return true;
}

bool PresentUnitQuestion(const std::wstring& filePath, UnitAnswer& answer, bool& asked) {
    asked = false;
    if (!HasWidgetApplication())
        return false;
    bool accepted = false;
    ShowOnGuiThread([&filePath, &answer, &accepted] {
        CDlgBatchLoadWellLogUnitShow dialog(OwnerWindow(MessageOwner::FocusWindow));
        dialog.SetFilePath(filePath);
        dialog.SetUnits(answer.coorUnit, answer.depthUnit);
        accepted = dialog.exec() == QDialog::Accepted;
        if (!accepted)
            return;
        answer.dontAskAgain = dialog.DontAskAgain();
        answer.coorUnit = dialog.GetCoorUnit();
        answer.depthUnit = dialog.GetDepthUnit();
    });
    asked = true;
    return accepted;
}

} // namespace welldata
