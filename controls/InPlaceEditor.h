// What the text box and the drop-down list of CEditListCtrl have in common as
// widgets: one shared instance of each for the whole program, the edit session
// they run, and the keys and focus loss that end it. `Editor` is the final
// class (it gives EditText(), the text of the editor now), `Widget` the Qt
// widget it is.
#pragma once

#include "controls/InPlaceEditSession.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

template <class Editor, class Widget> class InPlaceEditor : public Widget {
public:
    // The shared editor, created on first use.
    static Editor* Shared() {
        if (!Slot())
            Slot() = new Editor;
        return Slot();
    }
    // The shared editor while an edit is open, else null.
    static Editor* Current() {
        Editor* editor = Slot();
        return editor != nullptr && editor->IsOpen() ? editor : nullptr;
    }
    // Deletes the shared editor when it lives inside `ancestor` (its list is
    // being destroyed) or nowhere, without ending its edit.
    static void DeleteSharedWithin(const QWidget* ancestor) {
        Editor* editor = Slot();
        if (editor != nullptr &&
            (editor->parentWidget() == nullptr || ancestor->isAncestorOf(editor))) {
            editor->Abandon();
            delete editor;
        }
    }

    // Ends the edit as leaving the editor does.
    void Finish() { m_session.GiveFocusBack(*this, Text()); }
    // Ends the edit as Escape does: the initial text is the result.
    void Cancel() {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        m_session.HandleKey(escape, *this, Text());
    }
    // Closes the editor without handing a result to anyone.
    void Abandon() { m_session.End(*this, Text(), false); }

    bool IsOpen() const { return m_session.IsOpen(); }
    int GetItem() const { return m_session.GetItem(); }
    int GetSubItem() const { return m_session.GetSubItem(); }
    bool IsCancelled() const { return m_session.IsCancelled(); }
    const QString& GetInitialText() const { return m_session.GetInitialText(); }

protected:
    // Ends an open edit, then moves the editor onto `request.parent` at
    // `request.rect` in its owner's font.
    void Place(const InPlaceEditRequest& request) {
        Finish();
        if (this->parentWidget() != request.parent)
            this->setParent(request.parent);
        if (request.owner != nullptr)
            this->setFont(request.owner->font());
        this->setGeometry(request.rect);
    }
    // Starts the session and shows the editor with the keyboard focus.
    void Start(const InPlaceEditRequest& request) {
        m_session.Begin(request);
        this->show();
        this->raise();
        this->setFocus(Qt::OtherFocusReason);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (!m_session.HandleKey(*event, *this, Text()))
            Widget::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        Widget::focusOutEvent(event);
        m_session.HandleFocusOut(*event, *this, Text());
    }

    InPlaceEditSession m_session;

private:
    static QPointer<Editor>& Slot() {
        static QPointer<Editor> slot;
        return slot;
    }
    QString Text() const { return static_cast<const Editor*>(this)->EditText(); }
};
