#include "controls/InPlaceEditSession.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

void InPlaceEditSession::Begin(const InPlaceEditRequest& request) {
    m_open = true;
    ++m_generation;
    m_item = request.item;
    m_subItem = request.subItem;
    m_cancelled = false;
    m_initialText = request.text;
    m_owner = request.owner;
    m_onFinished = request.onFinished;
}

QString InPlaceEditSession::ResultText(const QString& currentText) const {
    return m_cancelled ? m_initialText : currentText;
}

void InPlaceEditSession::End(QWidget& editor, const QString& currentText, bool notify) {
    if (!m_open)
        return;
    m_open = false;
    const QString result = ResultText(currentText);
    auto onFinished = std::move(m_onFinished);
    m_onFinished = nullptr;
    // The focus goes to the owner rather than to whatever follows the editor.
    if (editor.hasFocus() && m_owner)
        m_owner->setFocus(Qt::OtherFocusReason);
    editor.hide();
    if (notify && onFinished)
        onFinished(result);
}

void InPlaceEditSession::GiveFocusBack(QWidget& editor, const QString& currentText) {
    if (!m_open)
        return;
    if (m_owner)
        m_owner->setFocus(Qt::OtherFocusReason);
    End(editor, currentText, true);
}

bool InPlaceEditSession::HandleKey(QKeyEvent& event, QWidget& editor, const QString& currentText) {
    if (!m_open)
        return false;
    switch (event.key()) {
    case Qt::Key_Escape:
        m_cancelled = true;
        [[fallthrough]];
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event.accept();
        GiveFocusBack(editor, currentText);
        return true;
    default:
        return false;
    }
}

void InPlaceEditSession::HandleFocusOut(const QFocusEvent& event, QWidget& editor,
                                        const QString& currentText) {
    // While a popup is open the focus moves into it and comes back after.
    if (event.reason() != Qt::PopupFocusReason && QApplication::activePopupWidget() == nullptr)
        End(editor, currentText, true);
}
