#include "pages/CDlgPage.h"

#include "dialogs/CDlgImportBase.h"

CDlgPage::CDlgPage(QWidget* parent) : QWidget(parent) {
    // Shown by the tab control that carries it, never with its dialog alone.
    hide();
}

CDlgPage* CDlgPage::Create(QWidget* dialog) {
    if (m_bCreated)
        return this;
    if (dialog != nullptr && parentWidget() != dialog)
        setParent(dialog);
    hide();
    m_bCreated = true;
    OnInitDialog();
    return this;
}

CDlgImportBase* CDlgPage::GetParentDialog() const {
    for (QWidget* ancestor = parentWidget(); ancestor != nullptr;
         ancestor = ancestor->parentWidget()) {
        if (auto* dialog = qobject_cast<CDlgImportBase*>(ancestor))
            return dialog;
    }
    return nullptr;
}

CDataFileReader* CDlgPage::GetReader() const {
    const CDlgImportBase* dialog = GetParentDialog();
    return dialog != nullptr ? dialog->GetReader() : nullptr;
}
