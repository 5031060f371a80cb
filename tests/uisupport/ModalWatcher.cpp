#include "uisupport/ModalWatcher.h"

#include <QDialog>

namespace uitest {

ModalWatcher::ModalWatcher(std::function<QWidget*()> find, std::function<void(QWidget*)> act)
    : m_find(std::move(find)), m_act(std::move(act)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* widget = m_find();
        if (widget == nullptr || !widget->isVisible())
            return;
        m_timer.stop();
        m_fired = true;
        m_act(widget);
    });
    m_timer.start(10);
}

int RunModal(QDialog& dialog, std::function<void(QDialog&)> drive) {
    ModalWatcher watcher(
        [&dialog]() -> QWidget* {
            return QApplication::activeModalWidget() == &dialog ? &dialog : nullptr;
        },
        [drive](QWidget* widget) { drive(*static_cast<QDialog*>(widget)); });
    return dialog.exec();
}

} // namespace uitest
