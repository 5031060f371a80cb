#include "RecordTables.h"

#include "loaders/CWellPath.h"

#include <functional>

namespace {

using Point = COMMON::STRUCT_WELL_PATH_POINT;
using Head = COMMON::STRUCT_WELL_HEAD;

template <class Value, class Item>
DataColumn Extract(const std::wstring& name, const std::wstring& unit, const Item& items,
                   const std::function<Value(const typename Item::value_type&)>& field) {
    std::vector<Value> values;
    values.reserve(items.size());
    for (const auto& item : items)
        values.push_back(field(item));
    DataColumn column(name, std::move(values));
    column.unit = unit;
    return column;
}

DataColumn PointFloats(const std::wstring& name, const std::wstring& unit,
                       const std::deque<Point>& points, std::function<float(const Point&)> field) {
    return Extract<float>(name, unit, points, field);
}

DataColumn PointDoubles(const std::wstring& name, const std::wstring& unit,
                        const std::deque<Point>& points,
                        std::function<double(const Point&)> field) {
    return Extract<double>(name, unit, points, field);
}

} // namespace

std::wstring RecordTables::PathLayoutName(int dataType) {
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

DataTable RecordTables::WellLog(const std::wstring& file, const std::string& kind,
                                const COMMON::STRUCT_WELL_CURVE& record) {
    DataTable table(file, kind, "curves", "samples");
    for (const COMMON::STRUCT_CURVE_ITEM& curve : record.lstCurves) {
        DataColumn column(curve.strName, curve.vecValues);
        column.type = curve.strType;
        column.unit = curve.strUnit;
        column.displayName = curve.strDisplayName;
        column.logarithmic = curve.bLogarithmic;
        table.columns.push_back(std::move(column));
    }
    return table;
}

DataTable RecordTables::WellPath(const std::wstring& file, const std::string& kind,
                                 const COMMON::STRUCT_WELL_PATH& record, bool hasMd) {
    DataTable table(file, kind, "columns", "points");
    table.AddProperty("layout", PathLayoutName(record.nDataType));
    if (record.bHasNullValue)
        table.AddProperty("null_value", static_cast<double>(record.fNullValue));
    const std::deque<Point>& points = record.dqPoints;
    const std::wstring angle = record.nAngleUnit == ANGLE_RADIANS ? L"rad" : L"deg";
    auto& columns = table.columns;
    const auto md = [](const Point& p) { return p.fMD; };
    const auto inclOrDepth = [](const Point& p) { return p.fInclOrDepth; };
    const auto xFloat = [](const Point& p) { return p.uAzimOrX.fValue; };
    const auto yFloat = [](const Point& p) { return p.uY.fValue; };
    const auto xDouble = [](const Point& p) { return p.uAzimOrX.dValue; };
    const auto yDouble = [](const Point& p) { return p.uY.dValue; };
    switch (record.nDataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        columns.push_back(PointFloats(L"MD", L"m", points, md));
        columns.push_back(PointFloats(L"INCL", angle, points, inclOrDepth));
        columns.push_back(PointFloats(L"AZIM", angle, points, xFloat));
        break;
    case PATH_TVD_DX_DY:
    case PATH_TVD_X_Y:
    case PATH_X_Y_Z: {
        if (hasMd)
            columns.push_back(PointFloats(L"MD", L"m", points, md));
        const bool offsets = record.nDataType == PATH_TVD_DX_DY;
        if (record.nDataType != PATH_X_Y_Z)
            columns.push_back(PointFloats(L"TVD", L"m", points, inclOrDepth));
        if (offsets) {
            columns.push_back(PointFloats(L"DX", L"m", points, xFloat));
            columns.push_back(PointFloats(L"DY", L"m", points, yFloat));
        } else {
            columns.push_back(PointDoubles(L"X", L"m", points, xDouble));
            columns.push_back(PointDoubles(L"Y", L"m", points, yDouble));
        }
        if (record.nDataType == PATH_X_Y_Z)
            columns.push_back(PointFloats(L"Z", L"m", points, inclOrDepth));
        break;
    }
    default:
        break;
    }
    return table;
}

DataTable RecordTables::WellHeads(const std::wstring& file, const std::list<Head>& heads,
                                  const HeadFields& used) {
    DataTable table(file, "well heads", "columns", "wells");
    auto& columns = table.columns;
    columns.push_back(
        Extract<std::wstring>(L"NAME", L"", heads, [](const Head& h) { return h.strWellName; }));
    if (used.wellType)
        columns.push_back(Extract<std::wstring>(L"TYPE", L"", heads,
                                                [](const Head& h) { return h.strWellType; }));
    columns.push_back(Extract<double>(L"X", L"m", heads, [](const Head& h) { return h.dX; }));
    columns.push_back(Extract<double>(L"Y", L"m", heads, [](const Head& h) { return h.dY; }));
    if (used.kb)
        columns.push_back(Extract<float>(L"KB", L"m", heads, [](const Head& h) { return h.fKB; }));
    if (used.topDepth)
        columns.push_back(
            Extract<float>(L"TOP", L"m", heads, [](const Head& h) { return h.fTopDepth; }));
    if (used.bottomDepth)
        columns.push_back(
            Extract<float>(L"BOTTOM", L"m", heads, [](const Head& h) { return h.fBottomDepth; }));
    return table;
}

DataTable RecordTables::RockCoreAnalysis(const std::wstring& file,
                                         const std::list<COMMON::STRUCT_CURVE_ITEM>& columns) {
    DataTable table(file, "rock core analysis", "columns", "samples");
    for (const COMMON::STRUCT_CURVE_ITEM& item : columns)
        table.columns.emplace_back(item.strName, item.vecValues);
    return table;
}

DataTable RecordTables::RockCoreDescription(const std::wstring& file,
                                            const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record) {
    using Interval = COMMON::STRUCT_ROCK_CORE_DESCRIBE;
    DataTable table(file, "rock core description", "columns", "intervals");
    if (!record.strColumnName.empty())
        table.AddProperty("description_column", record.strColumnName);
    const auto& items = record.lstItems;
    auto& columns = table.columns;
    columns.push_back(
        Extract<float>(L"TOP", L"m", items, [](const Interval& i) { return i.fTop; }));
    columns.push_back(
        Extract<float>(L"BOTTOM", L"m", items, [](const Interval& i) { return i.fBottom; }));
    const std::wstring name = record.strColumnName.empty() ? L"DESCRIPTION" : record.strColumnName;
    columns.push_back(
        Extract<std::wstring>(name, L"", items, [](const Interval& i) { return i.strDescribe; }));
    return table;
}
