#include "controls/CEditExt.h"

#include "controls/ControlId.h"

CEditExt::CEditExt() {
    setProperty(welldata::kControlIdProperty, kControlId);
    setObjectName(QStringLiteral("inPlaceTextBox"));
    hide();
}

void CEditExt::Open(const InPlaceEditRequest& request, int maxLength) {
    Place(request);
    setMaxLength(maxLength);
    setText(request.text);
    Start(request);
    selectAll();
}
