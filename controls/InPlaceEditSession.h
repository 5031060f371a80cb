// What the two in-place editors of CEditListCtrl (the text box CEditExt and the
// drop-down list CComboBoxExt) share: the cell being edited, the text it started
// with, whether Escape cancelled the edit, and how an edit ends: once, when the
// editor loses the keyboard focus, with the result handed to its owner.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

class QFocusEvent;
class QKeyEvent;

// Where and for whom an in-place editor opens.
struct InPlaceEditRequest {
    QWidget* parent = nullptr; // the widget the editor is placed on
    QRect rect;                // in `parent`'s coordinates
    int item = -1;             // the row, or 0 for a header title
    int subItem = -1;          // the column
    QString text;              // the text the edit starts from
    QWidget* owner = nullptr;  // gets the focus back; its font is used
    // Receives the result text when the edit ends (the initial text when Escape
    // cancelled it).
    std::function<void(const QString& result)> onFinished;
};

class InPlaceEditSession {
public:
    void Begin(const InPlaceEditRequest& request);
    bool IsOpen() const { return m_open; }
    // Counts the edits begun, so that a deferred step can tell whether its edit
    // is still the open one.
    unsigned GetGeneration() const { return m_generation; }
    int GetItem() const { return m_item; }
    int GetSubItem() const { return m_subItem; }
    bool IsCancelled() const { return m_cancelled; }
    const QString& GetInitialText() const { return m_initialText; }
    QWidget* GetOwner() const { return m_owner; }

    QString ResultText(const QString& currentText) const;

    // Ends the edit once: hides `editor`, then hands the result to the owner
    // when `notify`. Later calls do nothing.
    void End(QWidget& editor, const QString& currentText, bool notify);
    // Moves the focus back to the owner, which ends the edit through the
    // editor's focus loss; ends it directly when no focus event comes (the
    // window is not active).
    void GiveFocusBack(QWidget& editor, const QString& currentText);
    // Enter ends the edit, Escape cancels it; both are consumed so that they
    // never press a dialog's OK or Cancel. False for any other key.
    bool HandleKey(QKeyEvent& event, QWidget& editor, const QString& currentText);
    // A focus loss ends the edit, except one to a popup (a context menu, the
    // drop-down part of a list) or while one is open: the focus comes back.
    void HandleFocusOut(const QFocusEvent& event, QWidget& editor, const QString& currentText);

private:
    bool m_open = false;
    unsigned m_generation = 0;
    int m_item = -1;
    int m_subItem = -1;
    bool m_cancelled = false;
    QString m_initialText;
    QPointer<QWidget> m_owner;
    std::function<void(const QString&)> m_onFinished;
};
