// What the summary shows of one column: how many values, how many of them are
// null, and the smallest and largest of the others.
#pragma once

#include "DataColumn.h"

#include <optional>
#include <string>

class ColumnSummary {
public:
    explicit ColumnSummary(const DataColumn& column);

    size_t Samples() const { return m_samples; }
    size_t Nulls() const { return m_nulls; }
    bool HasRange() const { return m_minRow.has_value(); }
    // The extreme values in their stored precision; empty without a range.
    std::string MinText() const;
    std::string MaxText() const;
    double Min() const;
    double Max() const;

private:
    const DataColumn& m_column;
    size_t m_samples = 0;
    size_t m_nulls = 0;
    std::optional<size_t> m_minRow;
    std::optional<size_t> m_maxRow;
};
