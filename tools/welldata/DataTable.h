// The result of loading one file, in the neutral form the output writers and
// the plot read: named columns of values and a few properties.
#pragma once

#include "DataColumn.h"
#include "TableProperty.h"

#include <string>
#include <vector>

class DataTable {
public:
    // `kind` names the data ("LAS well log"); the nouns count its columns and
    // rows ("curves", "samples").
    DataTable(std::wstring file, std::string kind, std::string columnNoun, std::string rowNoun)
        : file(std::move(file)), kind(std::move(kind)), columnNoun(std::move(columnNoun)),
          rowNoun(std::move(rowNoun)) {}

    std::wstring file; // as the user named it
    std::string kind;
    std::string columnNoun;
    std::string rowNoun;
    std::vector<TableProperty> properties;
    std::vector<DataColumn> columns;

    // The length of the longest column.
    size_t RowCount() const;
    void AddProperty(std::string key, TableProperty::Value value);
    // True when the table holds log curves (the plot draws those).
    bool IsLog() const { return columnNoun == "curves"; }
};
