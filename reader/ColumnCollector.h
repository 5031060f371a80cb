// Takes columns of numbers out of rows as they come, one value per data row
// for each column: the reader's column extraction, whether the rows stream
// past during a read or come out of the reader's store. A column at or beyond
// the width of row 0 stays empty; a negative column gives 0 for every row; a
// missing cell reads as the padding "-9999.0", and a cell that is no number
// as 0, which the reader's load report notes. Each value passes through the
// callback, when there is one, before it is stored as a float.
//
// Usage: collector.Collect({0, 3}, callback); reader.Read(mode, collector);
//        std::vector<std::vector<float>> values = collector.TakeValues();
#pragma once

#include "reader/FloatColumn.h"
#include "reader/LoadReportRecorder.h"
#include "reader/RowConsumer.h"

#include <boost/function.hpp>
#include <vector>

class CDataFileReader;

class ColumnCollector : public RowConsumer {
public:
    using ValueCallback = boost::function<void(double&)>;

    explicit ColumnCollector(const CDataFileReader& reader) : m_reader(reader) {}

    // What to take from the rows that come next; drops what was taken before.
    void Collect(std::vector<int> columns, ValueCallback callback);
    // Takes nothing from the rows that come next.
    void CollectNothing();
    // Keeps the cells read as 0 until the values are taken, and only then
    // notes them in the reader's load report: for a read whose values a load
    // may never take (it fails on the rows first), as a load that takes its
    // columns after the read would have noted them.
    void HoldTextCells() { m_holdTextCells = true; }

    void BeginRead(std::size_t serial) override;
    void TakeRow(const ReadRow& row) override;

    // The read whose rows were taken; 0 before any.
    std::size_t ReadSerial() const { return m_serial; }
    const std::vector<int>& Columns() const { return m_columns; }
    bool IsCollecting() const { return m_collecting; }
    // One vector per column, in the order asked for; the collector is empty
    // afterwards. Held cells read as 0 go to the reader's report now.
    std::vector<std::vector<float>> TakeValues();

private:
    void TakeFirstRow(const ReadRow& row);
    void NoteTextCell(const ReadRow& row, std::size_t column);

    const CDataFileReader& m_reader;
    std::vector<int> m_columns;
    ValueCallback m_callback;
    bool m_collecting = false;
    bool m_holdTextCells = false;
    LoadReportRecorder m_heldTextCells;
    std::size_t m_serial = 0;
    std::size_t m_firstDataRow = 0;
    // The columns row 0 has (or negative ones), with their values.
    std::vector<std::size_t> m_taken;
    std::vector<FloatColumn> m_values;
};
