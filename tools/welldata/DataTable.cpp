#include "DataTable.h"

#include <algorithm>

size_t DataTable::RowCount() const {
    size_t rows = 0;
    for (const DataColumn& column : columns)
        rows = std::max(rows, column.Size());
    return rows;
}

void DataTable::AddProperty(std::string key, TableProperty::Value value) {
    properties.push_back({std::move(key), std::move(value)});
}
