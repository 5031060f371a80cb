#include "reader/ColumnCollector.h"

#include "reader/CDataFileReader.h"

namespace {

// What a cell missing from a row reads as: the text the reader pads rows with.
constexpr double kMissingCellValue = -9999.0;

} // namespace

void ColumnCollector::Collect(std::vector<int> columns, ValueCallback callback) {
    m_columns = std::move(columns);
    m_callback = std::move(callback);
    m_collecting = true;
    m_taken.clear();
    m_values.clear();
    m_heldTextCells.Start();
}

void ColumnCollector::CollectNothing() {
    Collect({}, ValueCallback());
    m_collecting = false;
}

void ColumnCollector::BeginRead(std::size_t serial) {
    m_serial = serial;
    m_taken.clear();
    m_values.clear();
    m_heldTextCells.Start();
}

void ColumnCollector::TakeFirstRow(const ReadRow& row) {
    m_firstDataRow = m_reader.HasHeaderRow() ? 1 : 0;
    m_values.resize(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const int column = m_columns[i];
        if (column < 0 || static_cast<std::size_t>(column) < row.cells.size())
            m_taken.push_back(i);
    }
}

void ColumnCollector::TakeRow(const ReadRow& row) {
    if (!m_collecting)
        return;
    if (row.index == 0)
        TakeFirstRow(row);
    if (row.index < m_firstDataRow)
        return;
    for (std::size_t i : m_taken) {
        const int column = m_columns[i];
        double value = 0.0;
        if (column >= 0) {
            const auto cell = static_cast<std::size_t>(column);
            if (cell >= row.cells.size())
                value = kMissingCellValue;
            else if (!welldata::CellNumber(row.cells[cell], value))
                NoteTextCell(row, cell);
        }
        if (m_callback)
            m_callback(value);
        m_values[i].Push(static_cast<float>(value));
    }
}

void ColumnCollector::NoteTextCell(const ReadRow& row, std::size_t column) {
    if (m_holdTextCells)
        m_heldTextCells.NoteTextCell(row.index, column, row.line);
    else
        m_reader.NoteTextCell(row.index, column, row.line);
}

std::vector<std::vector<float>> ColumnCollector::TakeValues() {
    if (m_holdTextCells) {
        m_reader.MergeTextCells(m_heldTextCells, m_firstDataRow);
        m_heldTextCells.Start();
    }
    std::vector<std::vector<float>> values(m_columns.size());
    for (std::size_t i : m_taken)
        values[i] = m_values[i].TakeVector();
    m_taken.clear();
    m_values.clear();
    return values;
}
