#include "RecordTableModel.h"

#include "welldata/Common.h"

#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cmath>

RecordTableModel::RecordTableModel(QStringList titles, int rows, Cell cell, QObject* parent)
    : QAbstractTableModel(parent), m_titles(std::move(titles)), m_rows(rows),
      m_cell(std::move(cell)) {}

QTableView* RecordTableModel::CreateView(QStringList titles, int rows, Cell cell, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(new RecordTableModel(std::move(titles), rows, std::move(cell), view));
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    // Sizing every row of a long table to its contents takes long; the first
    // rows tell the widths well enough.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->resizeColumnsToContents();
    return view;
}

int RecordTableModel::ContentWidth(const QTableView* view) {
    // The columns as wide as their contents, not as wide as they are now: the
    // last one stretches to a viewport that need not be laid out yet, and
    // never narrower than the header's default size.
    // QTableView narrows sizeHintForColumn to protected; the base keeps it public.
    const auto* items = static_cast<const QAbstractItemView*>(view);
    const QHeaderView* header = view->horizontalHeader();
    const int last = header->count() - 1;
    int columns = 0;
    for (int column = 0; column <= last; ++column) {
        const int content =
            std::max(items->sizeHintForColumn(column), header->sectionSizeHint(column));
        columns += column == last ? std::max(content, header->defaultSectionSize()) : content;
    }
    return view->verticalHeader()->sizeHint().width() + columns + view->frameWidth() * 2 +
           view->verticalScrollBar()->sizeHint().width() + 2;
}

void RecordTableModel::FitInSplitter(QSplitter* splitter, QTableView* table) {
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // The splitter has its width once the window has laid it out.
    QTimer::singleShot(0, splitter, [splitter, table] {
        const int width = ContentWidth(table);
        splitter->setSizes({width, std::max(0, splitter->width() - width)});
    });
}

QVariant RecordTableModel::Number(double value) {
    if (static_cast<float>(value) == welldata::kNullValue)
        return QStringLiteral("null");
    return QString::number(value, 'g', 10);
}

QVariant RecordTableModel::Number(float value) {
    if (value == welldata::kNullValue)
        return QStringLiteral("null");
    return QString::number(static_cast<double>(value), 'g', 7);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_cell(index.row(), index.column());
    const QVariant value = m_cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        bool number = false;
        value.toString().toDouble(&number);
        return number ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::ForegroundRole && value.toString() == QStringLiteral("null"))
        return QBrush(Qt::gray);
    return {};
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_titles.size() ? m_titles[section] : QVariant();
    return section + 1;
}
