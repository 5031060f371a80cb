#include "Report.h"

#include "welldata/Utf8.h"

#include <cmath>
#include <functional>
#include <type_traits>

namespace {

using Point = COMMON::STRUCT_WELL_PATH_POINT;
using Head = COMMON::STRUCT_WELL_HEAD;
using Interval = COMMON::STRUCT_ROCK_CORE_DESCRIBE;

// One field of every item as a column of `table`.
template <class Items, class Field>
void AddColumn(Table& table, const std::wstring& name, const std::wstring& unit, const Items& items,
               Field field) {
    std::vector<std::decay_t<std::invoke_result_t<Field, decltype(*items.begin())>>> values;
    values.reserve(items.size());
    for (const auto& item : items)
        values.push_back(std::invoke(field, item));
    table.columns.emplace_back(name, std::move(values)).unit = unit;
}

} // namespace

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
    using welldata::PathColumn;
    Table table(file, kind, "columns", "points");
    table.AddProperty("layout", PathLayoutName(record.nDataType));
    if (record.bHasNullValue)
        table.AddProperty("null_value", static_cast<double>(record.fNullValue));
    const int type = record.nDataType;
    const std::wstring angle = record.nAngleUnit == ANGLE_RADIANS ? L"rad" : L"deg";
    const wchar_t* names[] = {L"MD", L"INCL", L"AZIM", L"TVD", L"DX", L"DY", L"X", L"Y", L"Z"};
    for (PathColumn column : welldata::PathPointColumns(type, hasMd)) {
        const auto value = [&](const Point& p) {
            return welldata::PathPointValue(p, type, column);
        };
        const auto single = [&](const Point& p) { return static_cast<float>(value(p)); };
        const std::wstring unit =
            column == PathColumn::Incl || column == PathColumn::Azim ? angle : L"m";
        const wchar_t* name = names[static_cast<int>(column)];
        if (welldata::IsDoublePathColumn(type, column))
            AddColumn(table, name, unit, record.dqPoints, value);
        else
            AddColumn(table, name, unit, record.dqPoints, single);
    }
    return table;
}

Table WellHeadsTable(const std::wstring& file, const std::list<Head>& heads,
                     const welldata::WellHeadChoices& used) {
    Table table(file, "well heads", "columns", "wells");
    AddColumn(table, L"NAME", L"", heads, &Head::strWellName);
    if (used.wellTypeUsed)
        AddColumn(table, L"TYPE", L"", heads, &Head::strWellType);
    AddColumn(table, L"X", L"m", heads, &Head::dX);
    AddColumn(table, L"Y", L"m", heads, &Head::dY);
    if (used.kbUsed)
        AddColumn(table, L"KB", L"m", heads, &Head::fKB);
    if (used.topDepthUsed)
        AddColumn(table, L"TOP", L"m", heads, &Head::fTopDepth);
    if (used.bottomDepthUsed)
        AddColumn(table, L"BOTTOM", L"m", heads, &Head::fBottomDepth);
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
    AddColumn(table, L"TOP", L"m", items, &Interval::fTop);
    AddColumn(table, L"BOTTOM", L"m", items, &Interval::fBottom);
    AddColumn(table, record.strColumnName.empty() ? L"DESCRIPTION" : record.strColumnName, L"",
              items, &Interval::strDescribe);
    return table;
}
