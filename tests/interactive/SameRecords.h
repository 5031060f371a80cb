// Whether an interactive load filled the same records as the headless load of
// the same file with the same choices: every field, values bit for bit (a null
// value or NaN must be the same on both roads).
#pragma once

#include "support/TestSupport.h"
#include "welldata/Common.h"

#include <cstring>
#include <gtest/gtest.h>
#include <list>

namespace interactive_test {

template <class T> bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

inline bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0);
}

inline bool Same(const COMMON::STRUCT_WELL_HEAD& a, const COMMON::STRUCT_WELL_HEAD& b) {
    return a.strWellName == b.strWellName && a.strWellType == b.strWellType &&
           SameBits(a.dX, b.dX) && SameBits(a.dY, b.dY) && SameBits(a.fTopDepth, b.fTopDepth) &&
           SameBits(a.fBottomDepth, b.fBottomDepth) && SameBits(a.fKB, b.fKB) &&
           a.nReserved == b.nReserved && SameBits(a.dX2, b.dX2) && SameBits(a.dY2, b.dY2);
}

inline bool Same(const COMMON::STRUCT_CURVE_ITEM& a, const COMMON::STRUCT_CURVE_ITEM& b) {
    return a.strName == b.strName && a.strDisplayName == b.strDisplayName &&
           a.nColumn == b.nColumn && a.strType == b.strType && a.strUnit == b.strUnit &&
           SameBits(a.vecValues, b.vecValues) && a.bLogarithmic == b.bLogarithmic;
}

inline bool Same(const COMMON::STRUCT_ROCK_CORE_DESCRIBE& a,
                 const COMMON::STRUCT_ROCK_CORE_DESCRIBE& b) {
    return SameBits(a.fTop, b.fTop) && SameBits(a.fBottom, b.fBottom) &&
           a.strDescribe == b.strDescribe;
}

// Compares two lists record by record and names the first that differs.
template <class Record>
::testing::AssertionResult SameRecords(const std::list<Record>& interactive,
                                       const std::list<Record>& headless) {
    if (interactive.size() != headless.size())
        return ::testing::AssertionFailure()
               << "interactive " << interactive.size() << " records, headless " << headless.size();
    size_t index = 0;
    for (auto a = interactive.begin(), b = headless.begin(); a != interactive.end();
         ++a, ++b, ++index) {
        if (!Same(*a, *b))
            return ::testing::AssertionFailure() << "record " << index << " differs";
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SameRecords(const COMMON::STRUCT_WELL_PATH& interactive,
                                              const COMMON::STRUCT_WELL_PATH& headless) {
    if (interactive.nDataType != headless.nDataType ||
        interactive.nAngleUnit != headless.nAngleUnit ||
        interactive.bHasNullValue != headless.bHasNullValue ||
        !SameBits(interactive.fNullValue, headless.fNullValue))
        return ::testing::AssertionFailure() << "the path settings differ";
    if (interactive.dqPoints.size() != headless.dqPoints.size())
        return ::testing::AssertionFailure() << "interactive " << interactive.dqPoints.size()
                                             << " points, headless " << headless.dqPoints.size();
    for (size_t i = 0; i < interactive.dqPoints.size(); ++i) {
        if (!SameBits(interactive.dqPoints[i], headless.dqPoints[i]))
            return ::testing::AssertionFailure() << "point " << i << " differs";
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult
SameRecords(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& interactive,
            const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& headless) {
    if (interactive.strColumnName != headless.strColumnName)
        return ::testing::AssertionFailure()
               << "column names " << testing_support::Narrow(interactive.strColumnName) << " and "
               << testing_support::Narrow(headless.strColumnName);
    return SameRecords(interactive.lstItems, headless.lstItems);
}

} // namespace interactive_test
