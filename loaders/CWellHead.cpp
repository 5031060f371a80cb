#include "loaders/CWellHead.h"

#include "interface/CoorUnit.h"
#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "reader/CDataFileReader.h"
#include "reader/StrictNumber.h"

namespace {

bool IsCoorUnit(std::int32_t unit) {
    return unit >= COMMON::COOR_UNIT_M && unit <= COMMON::COOR_UNIT_CM;
}

// Whether the row has a cell in `column`.
template <class Cells> bool HasCell(const Cells& row, std::int32_t column) {
    return column >= 0 && static_cast<size_t>(column) < row.size();
}

} // namespace

template <class Cells>
bool CWellHead::ReadScaled(const Cells& row, std::int32_t column, double factor, double& value,
                           const TextCellNote& note) {
    if (!HasCell(row, column))
        return false;
    if (!welldata::CellNumber(row[static_cast<size_t>(column)], value)) {
        note(static_cast<size_t>(column));
        return false;
    }
    value *= factor;
    return true;
}

CWellHead::CWellHead(CDataFileReader* reader, std::list<COMMON::STRUCT_WELL_HEAD>* wellHeads)
    : m_pWellHeads(wellHeads), m_pReader(reader) {}

CWellHead::~CWellHead() = default;

void CWellHead::SetXUnit(std::int32_t unit) {
    if (IsCoorUnit(unit))
        m_nXUnit = unit;
}

void CWellHead::SetYUnit(std::int32_t unit) {
    if (IsCoorUnit(unit))
        m_nYUnit = unit;
}

void CWellHead::SetKBUnit(std::int32_t unit) {
    if (IsCoorUnit(unit))
        m_nKBUnit = unit;
}

void CWellHead::SetTopDepthUnit(std::int32_t unit) {
    if (IsCoorUnit(unit))
        m_nTopDepthUnit = unit;
}

void CWellHead::SetBottomDepthUnit(std::int32_t unit) {
    if (IsCoorUnit(unit))
        m_nBottomDepthUnit = unit;
}

void CWellHead::TakeChoices(const welldata::WellHeadChoices& choices) {
    SetUnitsChosen(choices.unitsChosen);
    SetSymbolUsed(choices.wellTypeUsed);
    SetTopDepthUsed(choices.topDepthUsed);
    SetBottomDepthUsed(choices.bottomDepthUsed);
    SetKBUsed(choices.kbUsed);
    if (choices.nameColumn >= 0)
        SetNameColumn(choices.nameColumn);
    if (choices.xColumn >= 0)
        SetXColumn(choices.xColumn);
    if (choices.yColumn >= 0)
        SetYColumn(choices.yColumn);
    if (choices.wellTypeUsed && choices.wellTypeColumn >= 0)
        SetSymbolColumn(choices.wellTypeColumn);
    if (choices.topDepthUsed && choices.topDepthColumn >= 0)
        SetTopDepthColumn(choices.topDepthColumn);
    if (choices.bottomDepthUsed && choices.bottomDepthColumn >= 0)
        SetBottomDepthColumn(choices.bottomDepthColumn);
    if (choices.kbUsed && choices.kbColumn >= 0)
        SetKBColumn(choices.kbColumn);
    if (!choices.unitsChosen)
        return;
    SetXUnit(choices.xUnit);
    SetYUnit(choices.yUnit);
    SetKBUnit(choices.kbUnit);
    SetTopDepthUnit(choices.topDepthUnit);
    SetBottomDepthUnit(choices.bottomDepthUnit);
}

void CWellHead::ResetWellHead(COMMON::STRUCT_WELL_HEAD* record) {
    if (!welldata::IsReadable(record))
        return;
    record->strWellName.clear();
    record->strWellType.clear();
    record->dX = 0.0;
    record->dY = 0.0;
    record->fTopDepth = 0.0f;
    record->fBottomDepth = 0.0f;
    record->fKB = 0.0f;
    record->dX2 = 0.0;
    record->dY2 = 0.0;
}

bool CWellHead::ParseWellHead(const Row& row, COMMON::STRUCT_WELL_HEAD* record) const {
    return ReadWellHead(row, record, TextCellNote());
}

template <class Cells>
bool CWellHead::ReadWellHead(const Cells& row, COMMON::STRUCT_WELL_HEAD* record,
                             const TextCellNote& note) const {
    if (!welldata::IsReadable(record) || row.empty())
        return false;

    if (HasCell(row, m_nNameColumn))
        record->strWellName = welldata::CellWide(row[static_cast<size_t>(m_nNameColumn)]);

    // X, Y and KB are converted only when the user chose units; the two depths
    // always carry their unit, chosen or left at metres.
    const auto chosenFactor = [this](std::int32_t unit) {
        return m_bUnitsChosen ? welldata::CoorUnitFactor(unit) : 1.0;
    };
    double value = 0.0;
    const auto read = [&](std::int32_t column, double factor) {
        return ReadScaled(row, column, factor, value, note);
    };
    if (read(m_nXColumn, chosenFactor(m_nXUnit)))
        record->dX = record->dX2 = value;
    if (read(m_nYColumn, chosenFactor(m_nYUnit)))
        record->dY = record->dY2 = value;

    if (m_bSymbolUsed && HasCell(row, m_nSymbolColumn))
        record->strWellType = welldata::CellWide(row[static_cast<size_t>(m_nSymbolColumn)]);
    if (m_bTopDepthUsed && read(m_nTopDepthColumn, welldata::CoorUnitFactor(m_nTopDepthUnit)))
        record->fTopDepth = static_cast<float>(value);
    if (m_bBottomDepthUsed &&
        read(m_nBottomDepthColumn, welldata::CoorUnitFactor(m_nBottomDepthUnit)))
        record->fBottomDepth = static_cast<float>(value);
    if (m_bKBUsed && read(m_nKBColumn, chosenFactor(m_nKBUnit)))
        record->fKB = static_cast<float>(value);
    return true;
}

template bool CWellHead::ReadWellHead(const Row&, COMMON::STRUCT_WELL_HEAD*,
                                      const TextCellNote&) const;
template bool CWellHead::ReadWellHead(const RowView&, COMMON::STRUCT_WELL_HEAD*,
                                      const TextCellNote&) const;

bool CWellHead::Load() {
    if (!welldata::IsReadable(m_pReader) || !welldata::IsReadable(m_pWellHeads))
        return false;
    m_pReader->Read(CDataFileReader::kReadAll);
    const int count = m_pReader->GetRowCount();
    if (count == 0)
        return false;

    // Row 0 is the file's header whatever the header-row flag says, so the rows
    // read are always the second to the last.
    StepProgress progress(m_pReader->GetProgressCtrl(), count, true);
    std::vector<std::string_view> cells;
    COMMON::STRUCT_WELL_HEAD record;
    for (int i = 1; i <= count; ++i) {
        progress.Advance(i);
        ResetWellHead(&record);
        // Without a header row the last index is one past the rows: an empty row.
        const RowView row = m_pReader->GetKeptRow(i, cells);
        const std::size_t line = m_pReader->GetKeptRowLine(i);
        const auto note = [this, i, line](std::size_t column) {
            m_pReader->NoteTextCell(static_cast<std::size_t>(i), column, line);
        };
        if (ReadWellHead(row, &record, TextCellNote(note)))
            m_pWellHeads->push_back(record);
    }
    return true;
}

void CWellHead::CopySettingsFrom(const CWellHead& other) {
    CDataFileReader* reader = m_pReader;
    std::list<COMMON::STRUCT_WELL_HEAD>* wellHeads = m_pWellHeads;
    *this = other;
    m_pReader = reader;
    m_pWellHeads = wellHeads;
}
