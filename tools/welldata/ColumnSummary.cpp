#include "ColumnSummary.h"

ColumnSummary::ColumnSummary(const DataColumn& column) : m_column(column) {
    m_samples = column.Size();
    for (size_t row = 0; row < m_samples; ++row) {
        if (column.IsNull(row)) {
            ++m_nulls;
            continue;
        }
        if (column.IsText())
            continue;
        const double value = column.Number(row);
        if (!m_minRow || value < column.Number(*m_minRow))
            m_minRow = row;
        if (!m_maxRow || value > column.Number(*m_maxRow))
            m_maxRow = row;
    }
}

std::string ColumnSummary::MinText() const {
    return m_minRow ? m_column.Text(*m_minRow) : std::string();
}

std::string ColumnSummary::MaxText() const {
    return m_maxRow ? m_column.Text(*m_maxRow) : std::string();
}

double ColumnSummary::Min() const {
    return m_minRow ? m_column.Number(*m_minRow) : 0.0;
}

double ColumnSummary::Max() const {
    return m_maxRow ? m_column.Number(*m_maxRow) : 0.0;
}
