#include "Report.h"

#include "welldata/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

using Point = COMMON::STRUCT_WELL_PATH_POINT;
using Head = COMMON::STRUCT_WELL_HEAD;
using Interval = COMMON::STRUCT_ROCK_CORE_DESCRIBE;

template <class Number> std::string ShortestText(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// One field of every item as a column.
template <class Items, class Field>
Column Extract(const std::wstring& name, const std::wstring& unit, const Items& items,
               Field field) {
    using Value = decltype(field(*items.begin()));
    std::vector<std::decay_t<Value>> values;
    values.reserve(items.size());
    for (const auto& item : items)
        values.push_back(field(item));
    Column column(name, std::move(values));
    column.unit = unit;
    return column;
}

} // namespace

size_t Column::Size() const {
    return std::visit([](const auto& list) { return list.size(); }, values);
}

bool Column::IsNull(size_t row) const {
    if (const auto* texts = std::get_if<std::vector<std::wstring>>(&values))
        return (*texts)[row].empty();
    const double value = Number(row);
    return std::isnan(value) || value == welldata::kNullValue;
}

double Column::Number(size_t row) const {
    if (const auto* floats = std::get_if<std::vector<float>>(&values))
        return (*floats)[row];
    if (const auto* doubles = std::get_if<std::vector<double>>(&values))
        return (*doubles)[row];
    return 0.0;
}

std::string Column::Text(size_t row) const {
    if (const auto* floats = std::get_if<std::vector<float>>(&values))
        return NumberText((*floats)[row]);
    if (const auto* doubles = std::get_if<std::vector<double>>(&values))
        return NumberText((*doubles)[row]);
    return welldata::ToUtf8(std::get<std::vector<std::wstring>>(values)[row]);
}

ColumnSummary::ColumnSummary(const Column& column) : samples(column.Size()) {
    for (size_t row = 0; row < samples; ++row) {
        if (column.IsNull(row)) {
            ++nulls;
            continue;
        }
        if (column.IsText())
            continue;
        const double value = column.Number(row);
        if (!minRow || value < column.Number(*minRow))
            minRow = row;
        if (!maxRow || value > column.Number(*maxRow))
            maxRow = row;
    }
}

size_t Table::RowCount() const {
    size_t rows = 0;
    for (const Column& column : columns)
        rows = std::max(rows, column.Size());
    return rows;
}

void Table::AddProperty(std::string key, Property::Value value) {
    properties.push_back({std::move(key), std::move(value)});
}

std::string NumberText(float value) {
    return ShortestText(value);
}

std::string NumberText(double value) {
    return ShortestText(value);
}

std::wstring PathLayoutName(int dataType) {
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        return L"MD, INCL, AZIM";
    case PATH_TVD_DX_DY:
        return L"TVD, DX, DY";
    case PATH_TVD_X_Y:
        return L"TVD, X, Y";
    case PATH_X_Y_Z:
        return L"X, Y, Z";
    default:
        return L"unknown";
    }
}

Table WellLogTable(const std::wstring& file, const std::string& kind,
                   const COMMON::STRUCT_WELL_CURVE& record) {
    Table table(file, kind, "curves", "samples");
    for (const COMMON::STRUCT_CURVE_ITEM& curve : record.lstCurves) {
        Column& column = table.columns.emplace_back(curve.strName, curve.vecValues);
        column.type = curve.strType;
        column.unit = curve.strUnit;
        column.displayName = curve.strDisplayName;
        column.logarithmic = curve.bLogarithmic;
    }
    return table;
}

Table WellPathTable(const std::wstring& file, const std::string& kind,
                    const COMMON::STRUCT_WELL_PATH& record, bool hasMd) {
    Table table(file, kind, "columns", "points");
    table.AddProperty("layout", PathLayoutName(record.nDataType));
    if (record.bHasNullValue)
        table.AddProperty("null_value", static_cast<double>(record.fNullValue));
    const auto& points = record.dqPoints;
    const std::wstring angle = record.nAngleUnit == ANGLE_RADIANS ? L"rad" : L"deg";
    const auto md = [](const Point& p) { return p.fMD; };
    const auto inclOrDepth = [](const Point& p) { return p.fInclOrDepth; };
    const auto xFloat = [](const Point& p) { return p.uAzimOrX.fValue; };
    const auto yFloat = [](const Point& p) { return p.uY.fValue; };
    const auto xDouble = [](const Point& p) { return p.uAzimOrX.dValue; };
    const auto yDouble = [](const Point& p) { return p.uY.dValue; };
    auto& columns = table.columns;
    const int type = record.nDataType;
    if (type == PATH_MD_INCL_AZIM || type == PATH_LOG_MD_INCL_AZIM) {
        columns.push_back(Extract(L"MD", L"m", points, md));
        columns.push_back(Extract(L"INCL", angle, points, inclOrDepth));
        columns.push_back(Extract(L"AZIM", angle, points, xFloat));
        return table;
    }
    if (type < PATH_TVD_DX_DY || type > PATH_X_Y_Z)
        return table;
    if (hasMd)
        columns.push_back(Extract(L"MD", L"m", points, md));
    if (type != PATH_X_Y_Z)
        columns.push_back(Extract(L"TVD", L"m", points, inclOrDepth));
    if (type == PATH_TVD_DX_DY) {
        columns.push_back(Extract(L"DX", L"m", points, xFloat));
        columns.push_back(Extract(L"DY", L"m", points, yFloat));
    } else {
        columns.push_back(Extract(L"X", L"m", points, xDouble));
        columns.push_back(Extract(L"Y", L"m", points, yDouble));
    }
    if (type == PATH_X_Y_Z)
        columns.push_back(Extract(L"Z", L"m", points, inclOrDepth));
    return table;
}

Table WellHeadsTable(const std::wstring& file, const std::list<Head>& heads,
                     const welldata::WellHeadChoices& used) {
    Table table(file, "well heads", "columns", "wells");
    auto& columns = table.columns;
    columns.push_back(Extract(L"NAME", L"", heads, [](const Head& h) { return h.strWellName; }));
    if (used.wellTypeUsed)
        columns.push_back(
            Extract(L"TYPE", L"", heads, [](const Head& h) { return h.strWellType; }));
    columns.push_back(Extract(L"X", L"m", heads, [](const Head& h) { return h.dX; }));
    columns.push_back(Extract(L"Y", L"m", heads, [](const Head& h) { return h.dY; }));
    if (used.kbUsed)
        columns.push_back(Extract(L"KB", L"m", heads, [](const Head& h) { return h.fKB; }));
    if (used.topDepthUsed)
        columns.push_back(Extract(L"TOP", L"m", heads, [](const Head& h) { return h.fTopDepth; }));
    if (used.bottomDepthUsed)
        columns.push_back(
            Extract(L"BOTTOM", L"m", heads, [](const Head& h) { return h.fBottomDepth; }));
    return table;
}

Table CoreAnalysisTable(const std::wstring& file,
                        const std::list<COMMON::STRUCT_CURVE_ITEM>& columns) {
    Table table(file, "rock core analysis", "columns", "samples");
    for (const COMMON::STRUCT_CURVE_ITEM& item : columns)
        table.columns.emplace_back(item.strName, item.vecValues);
    return table;
}

Table CoreDescriptionTable(const std::wstring& file,
                           const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record) {
    Table table(file, "rock core description", "columns", "intervals");
    if (!record.strColumnName.empty())
        table.AddProperty("description_column", record.strColumnName);
    const auto& items = record.lstItems;
    table.columns.push_back(Extract(L"TOP", L"m", items, [](const Interval& i) { return i.fTop; }));
    table.columns.push_back(
        Extract(L"BOTTOM", L"m", items, [](const Interval& i) { return i.fBottom; }));
    const std::wstring name = record.strColumnName.empty() ? L"DESCRIPTION" : record.strColumnName;
    table.columns.push_back(
        Extract(name, L"", items, [](const Interval& i) { return i.strDescribe; }));
    return table;
}
