// Reads the points of a well path from the rows of a read as they come: the
// rows LoadPath reads (after a text table's header row; all but the last row
// of a LAS table with the header-row flag, which LoadPath's count stops
// short of), up to the first point that holds a null marker. What the load
// shows (its progress, the message of that point) waits until the read is done.
#pragma once

#include "loaders/CWellPath.h"
#include "reader/OwnedRow.h"
#include "reader/RowConsumer.h"

#include <deque>
#include <optional>

class CDataFileReader;

class PathPointCollector : public RowConsumer {
public:
    PathPointCollector(CWellPath& loader, const CDataFileReader& reader)
        : m_loader(loader), m_reader(reader) {}

    void BeginRead(std::size_t serial) override;
    void TakeRow(const ReadRow& row) override;

    // Whether the reader's last read came to this collector.
    bool ReadLast() const;
    // The first row LoadPath reads.
    std::size_t FirstRow() const { return m_first; }
    // The row whose point holds a null marker, if one did.
    const std::optional<std::size_t>& NullRow() const { return m_nullRow; }
    std::deque<COMMON::STRUCT_WELL_PATH_POINT> TakePoints() { return std::move(m_points); }

private:
    void Visit(std::size_t index, std::size_t line, RowView cells);

    CWellPath& m_loader;
    const CDataFileReader& m_reader;
    std::size_t m_serial = 0;
    CWellPath::PointLayout m_layout;
    std::size_t m_first = 0;
    // A LAS table with the header-row flag: each row waits for the next one,
    // and the last one is never read.
    bool m_holdBack = false;
    bool m_holding = false;
    std::size_t m_heldIndex = 0;
    std::size_t m_heldLine = 0;
    OwnedRow m_heldCells;
    std::deque<COMMON::STRUCT_WELL_PATH_POINT> m_points;
    std::optional<std::size_t> m_nullRow;
};
