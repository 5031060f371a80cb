// Turns the row table of a well head file (one well per line) into well head
// records appended to the load object's list.
#pragma once

#include "reader/RowTable.h"
#include "reader/RowView.h"
#include "reader/TextCellNote.h"
#include "welldata/Common.h"
#include "welldata/LoadChoices.h"

#include <cstdint>
#include <list>

class CDataFileReader;

class CWellHead {
public:
    CWellHead(CDataFileReader* reader, std::list<COMMON::STRUCT_WELL_HEAD>* wellHeads);
    virtual ~CWellHead();

    std::int32_t GetNameColumn() const { return m_nNameColumn; }
    std::int32_t GetXColumn() const { return m_nXColumn; }
    std::int32_t GetYColumn() const { return m_nYColumn; }
    void SetNameColumn(std::int32_t column) { m_nNameColumn = column; }
    void SetXColumn(std::int32_t column) { m_nXColumn = column; }
    void SetYColumn(std::int32_t column) { m_nYColumn = column; }
    void SetSymbolColumn(std::int32_t column) { m_nSymbolColumn = column; }
    void SetTopDepthColumn(std::int32_t column) { m_nTopDepthColumn = column; }
    void SetBottomDepthColumn(std::int32_t column) { m_nBottomDepthColumn = column; }
    void SetKBColumn(std::int32_t column) { m_nKBColumn = column; }

    // Unit setters ignore codes outside 0..4.
    void SetXUnit(std::int32_t unit);
    void SetYUnit(std::int32_t unit);
    void SetKBUnit(std::int32_t unit);
    void SetTopDepthUnit(std::int32_t unit);
    void SetBottomDepthUnit(std::int32_t unit);

    void SetUnitsChosen(bool chosen) { m_bUnitsChosen = chosen; }
    void SetSymbolUsed(bool used) { m_bSymbolUsed = used; }
    void SetTopDepthUsed(bool used) { m_bTopDepthUsed = used; }
    void SetBottomDepthUsed(bool used) { m_bBottomDepthUsed = used; }
    void SetKBUsed(bool used) { m_bKBUsed = used; }

    // Takes the well heads dialog's choices in the order it hands them over:
    // the check boxes' flags (set as they are clicked), then on OK the name, X
    // and Y columns, each used optional column that is chosen, and the five
    // units when units are chosen. A column of -1 (nothing chosen) is not
    // handed over.
    void TakeChoices(const welldata::WellHeadChoices& choices);

    // Empties the strings and zeroes the numbers, nReserved excepted.
    static void ResetWellHead(COMMON::STRUCT_WELL_HEAD* record);
    // Fills `record` from `row`; true when the record is to be appended.
    bool ParseWellHead(const Row& row, COMMON::STRUCT_WELL_HEAD* record) const;
    // The same as a load does it: a cell that is not a number goes to `note`.
    template <class Cells>
    bool ReadWellHead(const Cells& row, COMMON::STRUCT_WELL_HEAD* record,
                      const TextCellNote& note) const;
    // Reads the whole file again, keeping its rows for the host, and appends
    // one record per data row.
    bool Load();

    void CopySettingsFrom(const CWellHead& other);

private:
    // The number in `column`, scaled by `factor`; false when the cell is
    // missing or not a number (which goes to `note`).
    template <class Cells>
    static bool ReadScaled(const Cells& row, std::int32_t column, double factor, double& value,
                           const TextCellNote& note);

    std::int32_t m_nNameColumn = 0;
    std::int32_t m_nXColumn = 0;
    std::int32_t m_nYColumn = 0;
    std::int32_t m_nSymbolColumn = 0;
    std::int32_t m_nTopDepthColumn = 0;
    std::int32_t m_nBottomDepthColumn = 0;
    std::int32_t m_nKBColumn = 0;
    std::int32_t m_nXUnit = 0;
    std::int32_t m_nYUnit = 0;
    std::int32_t m_nKBUnit = 0;
    std::int32_t m_nTopDepthUnit = 0;
    std::int32_t m_nBottomDepthUnit = 0;
    bool m_bUnitsChosen = false;
    bool m_bSymbolUsed = false;
    bool m_bTopDepthUsed = false;
    bool m_bBottomDepthUsed = false;
    bool m_bKBUsed = false;
    std::list<COMMON::STRUCT_WELL_HEAD>* m_pWellHeads = nullptr;
    CDataFileReader* m_pReader = nullptr;
};
