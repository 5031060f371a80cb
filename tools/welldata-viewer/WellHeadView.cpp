#include "WellHeadView.h"

#include "RecordTableModel.h"
#include "WellMapWidget.h"

#include <QTableView>

#include <vector>

WellHeadView::WellHeadView(const std::list<COMMON::STRUCT_WELL_HEAD>& heads, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent) {
    std::vector<const COMMON::STRUCT_WELL_HEAD*> rows;
    for (const COMMON::STRUCT_WELL_HEAD& head : heads)
        rows.push_back(&head);
    const auto cell = [rows](int row, int column) -> QVariant {
        const COMMON::STRUCT_WELL_HEAD& head = *rows[static_cast<size_t>(row)];
        switch (column) {
        case 0:
            return QString::fromStdWString(head.strWellName);
        case 1:
            return QString::fromStdWString(head.strWellType);
        case 2:
            return QString::number(head.dX, 'f', 2);
        case 3:
            return QString::number(head.dY, 'f', 2);
        case 4:
            return RecordTableModel::Number(head.fKB);
        case 5:
            return RecordTableModel::Number(head.fTopDepth);
        default:
            return RecordTableModel::Number(head.fBottomDepth);
        }
    };
    QTableView* table =
        RecordTableModel::CreateView({tr("Well"), tr("Type"), QStringLiteral("X"),
                                      QStringLiteral("Y"), tr("KB"), tr("Top"), tr("Bottom")},
                                     static_cast<int>(rows.size()), cell, this);
    addWidget(table);
    addWidget(new WellMapWidget(heads, this));
    RecordTableModel::FitInSplitter(this, table);
}
