// Turns the row table of a rock core description file into intervals of top
// depth, bottom depth and description text.
#pragma once

#include "reader/TextCellNote.h"
#include "welldata/Common.h"
#include "welldata/LoadChoices.h"

#include <cstdint>
#include <string>

class CDataFileReader;

class CRockCoreDescribe {
public:
    static constexpr std::uint16_t kNoColumn = 0xFFFF;

    CRockCoreDescribe(CDataFileReader* reader, COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL* record);
    virtual ~CRockCoreDescribe();

    void SetTopColumn(std::uint16_t column) { m_nTopColumn = column; }
    void SetBottomColumn(std::uint16_t column) { m_nBottomColumn = column; }
    void SetDescribeColumn(std::uint16_t column) { m_nDescribeColumn = column; }
    void SetDescribeName(const std::wstring& name);
    const std::wstring& GetDescribeName() const { return m_strDescribeName; }
    // The rock core description dialog's hand-over: the top, bottom and
    // description columns that are chosen, then the name when it is not empty.
    void TakeChoices(const welldata::CoreDescriptionChoices& choices);

    // Reads the whole file again and appends one interval per data row.
    bool Load();
    // Fills `interval` from a data row (a Row or a RowView); a depth cell that
    // is not a number goes to `note`. False for a row without cells.
    template <class Cells>
    bool ReadInterval(const Cells& row, COMMON::STRUCT_ROCK_CORE_DESCRIBE& interval,
                      const TextCellNote& note) const;

    void CopySettingsFrom(const CRockCoreDescribe& other);

private:
    class IntervalCollector;

    std::uint16_t m_nTopColumn = kNoColumn;
    std::uint16_t m_nBottomColumn = kNoColumn;
    std::uint16_t m_nDescribeColumn = kNoColumn;
    std::wstring m_strDescribeName;
    CDataFileReader* m_pReader = nullptr;
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL* m_pRecord = nullptr;
};
