// The in-place text box of CEditListCtrl. There is one for the whole program:
// Shared() creates it on first use and every list places it over the cell (or
// header title) being edited. Enter or a focus loss ends the edit with the typed
// text, Escape with the initial text; neither key reaches the dialog.
//
// Tests and owners reach the open box through CEditExt::Current():
//   if (CEditExt* box = CEditExt::Current()) { box->setText("-999.25"); box->Finish(); }
#pragma once

#include "controls/InPlaceEditor.h"

#include <QLineEdit>

class CEditExt : public InPlaceEditor<CEditExt, QLineEdit> {
    Q_OBJECT

public:
    // Control id of the box while it edits a cell.
    static constexpr int kControlId = 0;
    static constexpr int kDefaultMaxLength = 32767;

    // Places the box and starts editing `request.text`, all of it selected. An
    // edit still open ends first.
    void Open(const InPlaceEditRequest& request, int maxLength = kDefaultMaxLength);

    QString EditText() const { return text(); }

private:
    friend class InPlaceEditor<CEditExt, QLineEdit>;
    CEditExt();
};
