#include "controls/CComboBoxExt.h"

#include "controls/ControlId.h"

#include <QAbstractItemView>

CComboBoxExt::CComboBoxExt() {
    setProperty(welldata::kControlIdProperty, kControlId);
    setObjectName(QStringLiteral("inPlaceChoiceList"));
    setEditable(false);
    setMaxVisibleItems(kVisibleEntries);
    hide();
    connect(this, &QComboBox::activated, this, &CComboBoxExt::OnActivated);
}

void CComboBoxExt::Open(const InPlaceEditRequest& request, const QList<Choice>& choices,
                        int selection, SelectionHandler onSelection, bool verticalScrollBar) {
    Place(request);
    view()->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAsNeeded
                                                         : Qt::ScrollBarAlwaysOff);
    m_onSelection = nullptr; // filling the list is not a choice of the user
    clear();
    for (const Choice& choice : choices)
        addItem(choice.text, choice.data);
    setCurrentIndex(selection >= 0 && selection < count() ? selection : -1);
    m_onSelection = std::move(onSelection);
    Start(request);
}

void CComboBoxExt::Choose(int index) {
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    OnActivated(index);
}

void CComboBoxExt::OnActivated(int index) {
    if (IsOpen() && m_onSelection)
        m_onSelection(index, index >= 0 ? itemData(index).toInt() : -1);
}

QStringList CComboBoxExt::GetChoiceTexts() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << itemText(i);
    return texts;
}

void CComboBoxExt::hidePopup() {
    QComboBox::hidePopup();
    // Closing the drop-down part ends the edit, once the choice made in it has
    // been reported.
    const unsigned generation = m_session.GetGeneration();
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (m_session.GetGeneration() == generation)
                Finish();
        },
        Qt::QueuedConnection);
}
