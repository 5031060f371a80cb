// The drop-down lists in which a dialog's user picks a file column: one entry
// per column, "%d:%s" (1-based number, column name), so that entry c stands
// for file column c. Nothing is selected until a column is chosen.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QComboBox;

namespace welldata {

// "%d:%s": the 1-based column number and the column's name.
QString NumberedColumnEntry(int number, const QString& name);
// One such entry per name.
QStringList NumberedColumnEntries(const std::vector<std::wstring>& names);

// Replaces the entries of `list` with `entries` and leaves none selected. A
// name too long for the box shows whole in the opened list and as the entry's
// tool tip.
void FillColumnChoiceList(QComboBox* list, const QStringList& entries);

} // namespace welldata
