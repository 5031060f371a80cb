// The records of a load as columns, one per quantity the file gave: a log
// curve, a well path column, a well head field, a rock core column, a station
// of a well path's positions. Each holds its values as the record stores them,
// the file column it came from, the unit the record carries beside the unit
// the file declares for that column, and which of the two the values are in.
// For hosts that show or export what was loaded without knowing each record's
// layout, and that must tell the user when a recorded unit is not the one the
// values are in: the loaders convert only what the user declared, and a
// curve's default unit from the settings file is a label, not a conversion.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"
#include "welldata/LoadChoices.h"
#include "welldata/LoadReport.h"
#include "welldata/WellPathPositions.h"

#include <cmath>
#include <cstddef>
#include <list>
#include <string>
#include <variant>
#include <vector>

namespace welldata {

struct RecordColumn {
    using Values = std::variant<std::vector<float>, std::vector<double>, std::vector<std::wstring>>;

    std::wstring name;
    Values values;
    std::wstring type;        // a log curve's type; empty for the others
    std::wstring displayName; // a log curve's, from the settings file
    bool logarithmic = false;
    int fileColumn = -1; // 0-based; -1 for none
    // The unit the record carries: a curve's own text, metres for the lengths
    // of the other records (the system's unit), "deg" or "rad" for angles.
    std::wstring unit;
    std::wstring declaredUnit; // the file's for fileColumn
    // The values are in `unit`: the loader converted them into it, or it is the
    // file's own text. Otherwise they are the file's numbers as they stand.
    bool unitHolds = false;

    std::size_t Size() const {
        return std::visit([](const auto& list) { return list.size(); }, values);
    }
    bool IsText() const { return std::holds_alternative<std::vector<std::wstring>>(values); }
    // The value as a double; 0 in a text column.
    double Number(std::size_t row) const {
        if (const auto* floats = std::get_if<std::vector<float>>(&values))
            return (*floats)[row];
        if (const auto* doubles = std::get_if<std::vector<double>>(&values))
            return (*doubles)[row];
        return 0.0;
    }
    // The null value, not a number, or an empty text.
    bool IsNull(std::size_t row) const {
        if (const auto* texts = std::get_if<std::vector<std::wstring>>(&values))
            return (*texts)[row].empty();
        return std::isnan(Number(row)) || Number(row) == kNullValue;
    }
    bool UnitsDiffer() const {
        return !unit.empty() && !declaredUnit.empty() && unit != declaredUnit;
    }
    // The unit the values are in: the file's where `unit` does not hold.
    const std::wstring& UnitUsed() const {
        return unitHolds || declaredUnit.empty() ? unit : declaredUnit;
    }
};

// A log's curves. `fromLas`: loaded from a LAS file by name (0-based columns;
// the units are the file's, or "M" where the loader converted). Otherwise from
// a table (1-based columns; the depth curve's unit holds when `unitsConverted`,
// the choice that converts it).
WELLDATA_API std::vector<RecordColumn> LogColumns(const COMMON::STRUCT_WELL_CURVE& log,
                                                  const LoadReport& report, bool fromLas,
                                                  bool unitsConverted);
// The path's points in its layout (PathPointColumns): MD only with an MD
// column. Lengths hold their metres when the choices convert units.
WELLDATA_API std::vector<RecordColumn> PathColumns(const COMMON::STRUCT_WELL_PATH& path,
                                                   const LoadReport& report,
                                                   const PathColumnAssignment& choices);
// NAME, X and Y, then TYPE, KB, TOP and BOTTOM where used; the lengths hold
// their metres when the choices give units.
WELLDATA_API std::vector<RecordColumn>
WellHeadColumns(const std::list<COMMON::STRUCT_WELL_HEAD>& heads, const LoadReport& report,
                const WellHeadChoices& choices);
// Every item under its title, without a unit.
WELLDATA_API std::vector<RecordColumn>
CoreAnalysisColumns(const std::list<COMMON::STRUCT_CURVE_ITEM>& items, const LoadReport& report);
// TOP and BOTTOM in metres as the file holds them, then the description under
// the record's column name ("DESCRIPTION" without one).
WELLDATA_API std::vector<RecordColumn>
CoreDescriptionColumns(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record,
                       const LoadReport& report, const CoreDescriptionChoices& choices);
// MD, TVD, TVDSS, NORTH, EAST, X, Y and DLS of the stations. Depths are in the
// unit of the path's first depth column (MD, TVD, Z) and offsets in that of
// its first offset column (DX, X), as `pathColumns` (PathColumns) say;
// dogleg severity is in degrees per 30 of those depth units.
WELLDATA_API std::vector<RecordColumn>
PositionColumns(const WellPathPositions& positions, const std::vector<RecordColumn>& pathColumns);

// One English sentence naming the columns whose values are in the unit the
// file declares rather than the one recorded ("DEPTH in ft, recorded m");
// empty when there is none.
WELLDATA_API std::wstring DescribeUnitsNotHeld(const std::vector<RecordColumn>& columns);

// A number as the shortest text that reads back as the same value, in the type
// it is stored in, without an exponent from 1 to 10^15 (a coordinate reads
// 20512345, not 2.0512345e+07): for showing or exporting values without loss.
WELLDATA_API std::string NumberText(double value);
WELLDATA_API std::string NumberText(float value);
// Row `row` of `column` as UTF-8 text: a number as NumberText writes it, a
// text as it stands.
WELLDATA_API std::string CellText(const RecordColumn& column, std::size_t row);

} // namespace welldata
