#include "dialogs/ExtendComboDropHeight.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>

namespace welldata {

void ExtendComboDropHeight(QWidget* window, int pixels) {
    if (window == nullptr || pixels <= 0)
        return;
    const auto combos = window->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
    for (QComboBox* combo : combos) {
        // The list grows by whole rows: as many as the extra pixels hold.
        const int rowHeight = std::max(1, combo->fontMetrics().height());
        combo->setMaxVisibleItems(combo->maxVisibleItems() + (pixels + rowHeight - 1) / rowHeight);
        combo->setProperty("dropHeightExtension", pixels);
    }
}

} // namespace welldata
