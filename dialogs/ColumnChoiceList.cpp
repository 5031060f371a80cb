#include "dialogs/ColumnChoiceList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <algorithm>

namespace welldata {

namespace {

// The opened list grows to show long names whole, up to this width.
constexpr int kMaxDropWidth = 640;
// Room left and right of an entry's text in the opened list.
constexpr int kEntryMargins = 16;

} // namespace

QString NumberedColumnEntry(int number, const QString& name) {
    return QStringLiteral("%1:%2").arg(number).arg(name);
}

QStringList NumberedColumnEntries(const std::vector<std::wstring>& names) {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(names.size()));
    int number = 0;
    for (const std::wstring& name : names)
        entries << NumberedColumnEntry(++number, QString::fromStdWString(name));
    return entries;
}

void FillColumnChoiceList(QComboBox* list, const QStringList& entries) {
    if (list == nullptr)
        return;
    list->clear();
    list->addItems(entries);
    for (int index = 0; index < entries.size(); ++index)
        list->setItemData(index, entries[index], Qt::ToolTipRole);
    // Adding entries selects the first; the user has chosen nothing yet.
    list->setCurrentIndex(-1);
    QAbstractItemView* drop = list->view();
    const QFontMetrics metrics = drop->fontMetrics();
    int widest = 0;
    for (const QString& entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    widest += kEntryMargins + drop->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
              2 * drop->frameWidth();
    drop->setMinimumWidth(std::min(widest, kMaxDropWidth));
}

} // namespace welldata
