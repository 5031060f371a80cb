#include "loaders/PathPointCollector.h"

#include "reader/CDataFileReader.h"

void PathPointCollector::BeginRead(std::size_t serial) {
    m_serial = serial;
    m_layout = m_loader.LoadLayout();
    const bool las = m_reader.IsLas();
    m_first = !las && m_reader.HasHeaderRow() ? 1 : 0;
    m_holdBack = las && m_reader.HasHeaderRow();
    m_holding = false;
    m_heldCells.Clear();
    m_points.clear();
    m_nullRow.reset();
}

bool PathPointCollector::ReadLast() const {
    return m_serial != 0 && m_serial == m_reader.GetReadSerial();
}

void PathPointCollector::TakeRow(const ReadRow& row) {
    if (m_nullRow || row.index < m_first)
        return;
    if (!m_holdBack) {
        Visit(row.index, row.line, row.cells);
        return;
    }
    if (m_holding) {
        Visit(m_heldIndex, m_heldLine, m_heldCells.Cells());
        if (m_nullRow)
            return;
    }
    m_holding = true;
    m_heldIndex = row.index;
    m_heldLine = row.line;
    m_heldCells.Clear();
    m_heldCells.Append(row.cells);
}

void PathPointCollector::Visit(std::size_t index, std::size_t line, RowView cells) {
    const auto note = [this, index, line](std::size_t column) {
        m_reader.NoteTextCell(index, column, line);
    };
    COMMON::STRUCT_WELL_PATH_POINT point;
    if (!m_loader.ReadPoint(cells, point, m_layout, TextCellNote(note)))
        return;
    if (!CWellPath::IsValidPathPoint(m_layout.dataType, point)) {
        m_nullRow = index;
        return;
    }
    m_points.push_back(point);
}
