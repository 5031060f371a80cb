// A read-only table over records the viewer holds: the columns' titles, the
// row count and a function that gives each cell. Numbers are right-aligned,
// the library's null value shows as "null". Serves every table of the viewer.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class QSplitter;
class QTableView;
class QWidget;

class RecordTableModel : public QAbstractTableModel {
public:
    using Cell = std::function<QVariant(int row, int column)>;

    RecordTableModel(QStringList titles, int rows, Cell cell, QObject* parent = nullptr);

    // A table view of such a model, sized to its contents.
    static QTableView* CreateView(QStringList titles, int rows, Cell cell, QWidget* parent);
    // Shows `table`, the first of the splitter's two widgets, as wide as its
    // columns once the window is laid out; the other widget takes the rest,
    // and any later change of the splitter's width.
    static void FitInSplitter(QSplitter* splitter, QTableView* table);
    // A cell's value: a number in the digits its type holds (7 for a 32-bit
    // float, 10 for a 64-bit one), the null value as "null".
    static QVariant Number(double value);
    static QVariant Number(float value);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The width that shows every column of `view` as wide as its contents.
    static int ContentWidth(const QTableView* view);

    QStringList m_titles;
    int m_rows;
    Cell m_cell;
};
