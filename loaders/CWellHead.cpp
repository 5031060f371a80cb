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

// The cell of `column` when the row has one.
const std::wstring* CellAt(const Row& row, std::int32_t column) {
    if (column < 0 || static_cast<size_t>(column) >= row.size())
        return nullptr;
    return &row[static_cast<size_t>(column)];
}

} // namespace

bool CWellHead::ReadScaled(const Row& row, std::int32_t column, double factor,
                           double& value) const {
    const std::wstring* cell = CellAt(row, column);
    if (cell == nullptr)
        return false;
    if (!welldata::ParseStrictDouble(*cell, value)) {
        if (m_pReader != nullptr)
            m_pReader->NoteTextCell(m_nParsedRow, static_cast<size_t>(column));
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
    if (!welldata::IsReadable(record) || row.empty())
        return false;

    if (const std::wstring* name = CellAt(row, m_nNameColumn))
        record->strWellName = *name;

    // X, Y and KB are converted only when the user chose units; the two depths
    // always carry their unit, chosen or left at metres.
    const auto chosenFactor = [this](std::int32_t unit) {
        return m_bUnitsChosen ? welldata::CoorUnitFactor(unit) : 1.0;
    };
    double value = 0.0;
    if (ReadScaled(row, m_nXColumn, chosenFactor(m_nXUnit), value))
        record->dX = record->dX2 = value;
    if (ReadScaled(row, m_nYColumn, chosenFactor(m_nYUnit), value))
        record->dY = record->dY2 = value;

    if (m_bSymbolUsed) {
        if (const std::wstring* symbol = CellAt(row, m_nSymbolColumn))
            record->strWellType = *symbol;
    }
    if (m_bTopDepthUsed &&
        ReadScaled(row, m_nTopDepthColumn, welldata::CoorUnitFactor(m_nTopDepthUnit), value))
        record->fTopDepth = static_cast<float>(value);
    if (m_bBottomDepthUsed &&
        ReadScaled(row, m_nBottomDepthColumn, welldata::CoorUnitFactor(m_nBottomDepthUnit), value))
        record->fBottomDepth = static_cast<float>(value);
    if (m_bKBUsed && ReadScaled(row, m_nKBColumn, chosenFactor(m_nKBUnit), value))
        record->fKB = static_cast<float>(value);
    return true;
}

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
    const RowTable& rows = m_pReader->GetRows();
    const Row noRow;
    COMMON::STRUCT_WELL_HEAD record;
    for (int i = 1; i <= count; ++i) {
        progress.Advance(i);
        ResetWellHead(&record);
        // Without a header row the last index is one past the rows: an empty row.
        const size_t index = static_cast<size_t>(i);
        m_nParsedRow = i;
        const bool parsed = ParseWellHead(index < rows.size() ? rows[index] : noRow, &record);
        m_nParsedRow = -1;
        if (parsed)
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
