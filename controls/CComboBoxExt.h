// The in-place drop-down list of CEditListCtrl: one for the whole program,
// placed over the cell being edited with the choices of that cell. Choosing an
// entry reports the selection at once (the curve type column reacts to it);
// Enter, closing the drop-down part or a focus loss ends the edit with the
// chosen text, Escape with the initial text; neither key reaches the dialog.
//
// Tests and owners reach the open list through CComboBoxExt::Current():
//   if (CComboBoxExt* list = CComboBoxExt::Current()) { list->Choose(2); list->Finish(); }
#pragma once

#include "controls/InPlaceEditor.h"

#include <QComboBox>
#include <QList>
#include <functional>

class CComboBoxExt : public InPlaceEditor<CComboBoxExt, QComboBox> {
    Q_OBJECT

public:
    static constexpr int kControlId = 1000;

    // One entry: its text and a number it carries (the curve id in the curve
    // type list, -1 for none).
    struct Choice {
        QString text;
        int data = -1;
    };
    using SelectionHandler = std::function<void(int index, int data)>;

    // Places the list, fills it with `choices`, selects entry `selection` and
    // starts editing. `onSelection` hears every entry the user chooses while the
    // edit is open. An edit still open ends first.
    void Open(const InPlaceEditRequest& request, const QList<Choice>& choices, int selection,
              SelectionHandler onSelection, bool verticalScrollBar);
    // Chooses entry `index` as the user does (the selection is reported).
    void Choose(int index);
    QStringList GetChoiceTexts() const;

    QString EditText() const { return currentText(); }
    void hidePopup() override;

private:
    friend class InPlaceEditor<CComboBoxExt, QComboBox>;
    static constexpr int kVisibleEntries = 12;
    CComboBoxExt();
    void OnActivated(int index);

    SelectionHandler m_onSelection;
};
