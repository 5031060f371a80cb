// Recognises the well path columns of a table by their names through the
// "well_path" section of the settings file: the rule by which the path data
// pages preselect their column choices and the headless suggestions choose
// theirs. Only columns whose first data value is a number take part, and a
// later column standing for the same quantity replaces an earlier one.
//
// Usage:
//   PathColumnAssignment found = PathColumnRecognizer::Recognise(
//       names, [&reader](int column) { return reader.IsNumericCell(column); }, PATH_TVD_X_Y);
//   found.Column(PathColumn::Tvd) // 1-based, 0 when no column stands for TVD
#pragma once

#include "reader/RowTable.h"
#include "welldata/LoadChoices.h"

#include <cstdint>
#include <functional>

class PathColumnRecognizer {
public:
    // The columns of `dataType`'s layout and the MD column, 1-based (0 for
    // none), among the columns for which `firstValueIsNumber` holds; hasMd
    // when an MD column is found. Reads the settings file once.
    static welldata::PathColumnAssignment
    Recognise(const Row& names, const std::function<bool(int)>& firstValueIsNumber,
              std::int32_t dataType);
};
