// Turns the row table of a rock core analysis file into one curve item per
// chosen column.
#pragma once

#include "welldata/Common.h"
#include "welldata/LoadChoices.h"

#include <list>
#include <vector>

class CDataFileReader;

class CRockCoreAnalyse {
public:
    CRockCoreAnalyse(CDataFileReader* reader, std::list<COMMON::STRUCT_CURVE_ITEM>* items);
    virtual ~CRockCoreAnalyse();

    // Replaces the item list by copies of `items`; an empty list changes nothing.
    void SetColumnList(const std::list<COMMON::STRUCT_CURVE_ITEM>& items);
    // The rock core analysis dialog's hand-over: its column list.
    void TakeChoices(const welldata::CoreAnalysisChoices& choices) {
        SetColumnList(choices.columns);
    }
    // Reads the whole file again and fills the values of every item.
    bool Load();

    void CopySettingsFrom(const CRockCoreAnalyse& other);
    // The 0-based file columns Load takes: those of the items that name one.
    std::vector<int> ItemColumns() const;

private:
    std::list<COMMON::STRUCT_CURVE_ITEM>* m_pItems = nullptr;
    CDataFileReader* m_pReader = nullptr;
};
