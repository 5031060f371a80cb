#include "welldata/RecordColumns.h"

#include "welldata/CurveNaming.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <type_traits>

namespace welldata {

namespace {

using Point = COMMON::STRUCT_WELL_PATH_POINT;
using Head = COMMON::STRUCT_WELL_HEAD;
using Interval = COMMON::STRUCT_ROCK_CORE_DESCRIBE;
using Columns = std::vector<RecordColumn>;

// Builds the columns of one record, each with the unit its file column
// declares.
class ColumnList {
public:
    explicit ColumnList(const LoadReport& report) : m_report(report) {}

    // One field of every item as a column, from the 0-based `fileColumn`.
    template <class Items, class Field>
    RecordColumn& Add(const std::wstring& name, const std::wstring& unit, const Items& items,
                      Field field, int fileColumn = -1, bool unitHolds = false) {
        std::vector<std::decay_t<std::invoke_result_t<Field, decltype(*items.begin())>>> values;
        values.reserve(items.size());
        for (const auto& item : items)
            values.push_back(std::invoke(field, item));
        return Add(name, std::move(values), unit, fileColumn, unitHolds);
    }

    RecordColumn& Add(const std::wstring& name, RecordColumn::Values values,
                      const std::wstring& unit, int fileColumn, bool unitHolds) {
        RecordColumn& column = m_columns.emplace_back();
        column.name = name;
        column.values = std::move(values);
        column.unit = unit;
        column.fileColumn = fileColumn;
        column.declaredUnit = m_report.DeclaredUnit(fileColumn);
        column.unitHolds = unitHolds;
        return column;
    }

    Columns Take() { return std::move(m_columns); }

private:
    const LoadReport& m_report;
    Columns m_columns;
};

} // namespace

Columns LogColumns(const COMMON::STRUCT_WELL_CURVE& log, const LoadReport& report, bool fromLas,
                   bool unitsConverted) {
    ColumnList columns(report);
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
        RecordColumn& column = columns.Add(curve.strName, curve.vecValues, curve.strUnit,
                                           fromLas ? curve.nColumn : curve.nColumn - 1,
                                           fromLas || (unitsConverted && IsDepthCurve(curve)));
        column.type = curve.strType;
        column.displayName = curve.strDisplayName;
        // A LAS file's curves get their display names as a table's do.
        if (column.displayName.empty() &&
            !get_curve_name(curve.strName.c_str(), &column.displayName, true))
            column.displayName.clear();
        column.logarithmic = curve.bLogarithmic;
    }
    return columns.Take();
}

Columns PathColumns(const COMMON::STRUCT_WELL_PATH& path, const LoadReport& report,
                    const PathColumnAssignment& choices) {
    ColumnList columns(report);
    const int type = path.nDataType;
    const std::wstring angle = path.nAngleUnit == ANGLE_RADIANS ? L"rad" : L"deg";
    for (PathColumn column : PathPointColumns(type, choices.hasMd)) {
        const auto value = [&](const Point& p) { return PathPointValue(p, type, column); };
        const auto single = [&](const Point& p) { return static_cast<float>(value(p)); };
        const bool isAngle = column == PathColumn::Incl || column == PathColumn::Azim;
        const std::wstring unit = isAngle ? angle : L"m";
        const int fileColumn = choices.Column(column) - 1;
        const bool holds = !isAngle && choices.convertUnits != 0;
        if (IsDoublePathColumn(type, column))
            columns.Add(PathColumnName(column), unit, path.dqPoints, value, fileColumn, holds);
        else
            columns.Add(PathColumnName(column), unit, path.dqPoints, single, fileColumn, holds);
    }
    return columns.Take();
}

Columns WellHeadColumns(const std::list<Head>& heads, const LoadReport& report,
                        const WellHeadChoices& choices) {
    ColumnList columns(report);
    const bool holds = choices.unitsChosen;
    columns.Add(L"NAME", L"", heads, &Head::strWellName, choices.nameColumn);
    if (choices.wellTypeUsed)
        columns.Add(L"TYPE", L"", heads, &Head::strWellType, choices.wellTypeColumn);
    columns.Add(L"X", L"m", heads, &Head::dX, choices.xColumn, holds);
    columns.Add(L"Y", L"m", heads, &Head::dY, choices.yColumn, holds);
    if (choices.kbUsed)
        columns.Add(L"KB", L"m", heads, &Head::fKB, choices.kbColumn, holds);
    if (choices.topDepthUsed)
        columns.Add(L"TOP", L"m", heads, &Head::fTopDepth, choices.topDepthColumn, holds);
    if (choices.bottomDepthUsed)
        columns.Add(L"BOTTOM", L"m", heads, &Head::fBottomDepth, choices.bottomDepthColumn, holds);
    return columns.Take();
}

Columns CoreAnalysisColumns(const std::list<COMMON::STRUCT_CURVE_ITEM>& items,
                            const LoadReport& report) {
    ColumnList columns(report);
    for (const COMMON::STRUCT_CURVE_ITEM& item : items)
        columns.Add(item.strName, item.vecValues, L"", item.nColumn, false);
    return columns.Take();
}

Columns CoreDescriptionColumns(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record,
                               const LoadReport& report, const CoreDescriptionChoices& choices) {
    ColumnList columns(report);
    const auto& items = record.lstItems;
    columns.Add(L"TOP", L"m", items, &Interval::fTop, choices.topColumn);
    columns.Add(L"BOTTOM", L"m", items, &Interval::fBottom, choices.bottomColumn);
    columns.Add(record.strColumnName.empty() ? L"DESCRIPTION" : record.strColumnName, L"", items,
                &Interval::strDescribe, choices.descriptionColumn);
    return columns.Take();
}

Columns PositionColumns(const WellPathPositions& positions, const Columns& pathColumns) {
    RecordColumn metres;
    metres.unit = L"m";
    // The path's first column among `names`, whose unit the stations take.
    const auto first = [&](std::initializer_list<const wchar_t*> names) -> const RecordColumn& {
        const auto found = std::find_if(pathColumns.begin(), pathColumns.end(), [&](auto& c) {
            return std::find(names.begin(), names.end(), c.name) != names.end();
        });
        return found == pathColumns.end() ? metres : *found;
    };
    const RecordColumn& depth = first({L"MD", L"TVD", L"Z"});
    const RecordColumn& offset = first({L"DX", L"X"});
    using Station = WellPathStation;
    const LoadReport noReport;
    ColumnList columns(noReport);
    const auto add = [&](const wchar_t* name, const RecordColumn& like, double Station::*field) {
        columns
            .Add(name, like.unit, positions.GetStations(), field, like.fileColumn, like.unitHolds)
            .declaredUnit = like.declaredUnit;
    };
    add(L"MD", depth, &Station::md);
    add(L"TVD", depth, &Station::tvd);
    add(L"TVDSS", depth, &Station::tvdss);
    add(L"NORTH", offset, &Station::north);
    add(L"EAST", offset, &Station::east);
    add(L"X", offset, &Station::x);
    add(L"Y", offset, &Station::y);
    columns.Add(L"DLS", L"deg/30" + depth.UnitUsed(), positions.GetStations(),
                &Station::doglegSeverity, -1, true);
    return columns.Take();
}

std::wstring DescribeUnitsNotHeld(const Columns& columns) {
    std::wstring list;
    for (const RecordColumn& column : columns) {
        if (column.UnitsDiffer() && !column.unitHolds)
            list += (list.empty() ? L"" : L", ") + column.name + L" " + column.declaredUnit +
                    L" (recorded " + column.unit + L")";
    }
    return list.empty() ? list
                        : L"values are in the units the file declares, not the recorded: " + list;
}

namespace {

template <class Number> std::string ShortestText(Number value) {
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    if (std::fabs(value) >= 1 && std::fabs(value) < 1e15)
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
}

} // namespace

std::string NumberText(double value) {
    return ShortestText(value);
}

std::string NumberText(float value) {
    return ShortestText(value);
}

std::string CellText(const RecordColumn& column, std::size_t row) {
    if (const auto* floats = std::get_if<std::vector<float>>(&column.values))
        return NumberText((*floats)[row]);
    if (const auto* doubles = std::get_if<std::vector<double>>(&column.values))
        return NumberText((*doubles)[row]);
    return ToUtf8(std::get<std::vector<std::wstring>>(column.values)[row]);
}

} // namespace welldata
