// ReadFile() driven through the file dialog and the import dialog as a user
// drives them, and the records of a load as exact text, so that an interactive
// load can be held against the headless load of the same file with the same
// choices: one loader, two front ends, identical records.
#pragma once

#include "controls/CFileDialogExt.h"
#include "controls/CTabCtrlExt.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"

#include <QDialog>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace road_test {

using Drive = std::function<void(QDialog&)>;

inline void Put(std::string& out, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%a ", value); // every bit of the value, NaN's sign too
    out += text;
}

inline void Put(std::string& out, const std::wstring& text) {
    out += testing_support::Narrow(text) + "| ";
}

template <class... Values> void Line(std::string& out, const Values&... values) {
    out += "\n ";
    (Put(out, values), ...);
}

inline void Put(std::string& out, const COMMON::STRUCT_CURVE_ITEM& curve) {
    Line(out, curve.strName, curve.strDisplayName, curve.strType, curve.strUnit, curve.nColumn,
         curve.bLogarithmic);
    for (float value : curve.vecValues)
        Put(out, value);
}

// Every record of a load, one line per item: equal texts, equal records.
inline std::string Records(const CLoadData& load) {
    std::string out = "well heads:";
    for (const COMMON::STRUCT_WELL_HEAD& h : load.GetWellHead())
        Line(out, h.strWellName, h.strWellType, h.dX, h.dY, h.fTopDepth, h.fBottomDepth, h.fKB,
             h.nReserved, h.dX2, h.dY2);
    const COMMON::STRUCT_WELL_PATH& path = load.GetWellPath();
    out += "\nwell path:";
    Line(out, path.nDataType, path.nAngleUnit, path.bHasNullValue, path.fNullValue);
    for (const COMMON::STRUCT_WELL_PATH_POINT& point : path.dqPoints) {
        // A slot holds a float or a double by the layout: its bytes, whichever.
        std::uint64_t bits[2];
        std::memcpy(bits, &point.uAzimOrX, sizeof bits);
        Line(out, point.fMD, point.fInclOrDepth);
        out += std::to_string(bits[0]) + " " + std::to_string(bits[1]);
    }
    const COMMON::STRUCT_WELL_CURVE& log = load.GetWellLog();
    out += "\nwell log:";
    Line(out, log.strGroupName, log.bSkipNullValues, log.bWithWellPath, log.nGroupMode);
    for (float value : log.vecNullValues)
        Put(out, value);
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves)
        Put(out, curve);
    out += "\nrock core analysis:";
    for (const COMMON::STRUCT_CURVE_ITEM& column : load.GetRockCoreAnalyse())
        Put(out, column);
    out += "\nrock core description:";
    Line(out, load.GetRockCoreDescribe().strColumnName);
    for (const COMMON::STRUCT_ROCK_CORE_DESCRIBE& item : load.GetRockCoreDescribe().lstItems)
        Line(out, item.fTop, item.fBottom, item.strDescribe);
    return out;
}

// ReadFile() with the file dialog answered with `path` as file type `fileType`
// (1-based) and the import dialog that follows, of class `dialogClass`, driven
// by `drive`, which ends it.
inline bool LoadThroughDialogs(CLoadData& load, const std::wstring& path, int fileType,
                               const char* dialogClass, const Drive& drive) {
    auto file = uitest::AnswerFileDialog({QString::fromStdWString(path)}, fileType);
    uitest::ModalWatcher import(
        []() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            return qobject_cast<CFileDialogExt*>(modal) == nullptr ? modal : nullptr;
        },
        [&](QWidget* modal) {
            EXPECT_STREQ(modal->metaObject()->className(), dialogClass);
            drive(*static_cast<QDialog*>(modal));
        });
    const bool loaded = load.ReadFile();
    EXPECT_TRUE(file->Fired() && import.Fired());
    EXPECT_EQ(load.GetLoadFileName(), path);
    return loaded;
}

// The headless load of the file `interactive` read, with `choices`, must
// fill the same records.
template <class Choices>
void ExpectLikeHeadless(const CLoadData& interactive, const Choices& choices) {
    CLoadData headless(CLoadData::GetProcessLoadType());
    EXPECT_TRUE(headless.ReadFile(interactive.GetLoadFileName(), choices));
    EXPECT_EQ(Records(interactive), Records(headless));
}

// A well path layout with its columns (1-based); MD counts when it has one.
inline welldata::PathColumnAssignment
PathLayout(std::int32_t dataType,
           std::initializer_list<std::pair<welldata::PathColumn, int>> columns) {
    welldata::PathColumnAssignment assignment;
    assignment.dataType = dataType;
    for (const auto& [column, number] : columns)
        assignment.Column(column) = static_cast<std::uint16_t>(number);
    assignment.hasMd = assignment.Column(welldata::PathColumn::Md) > 0;
    return assignment;
}

inline void ShowTab(QDialog& dialog, int index) {
    uitest::ClickTab(dialog.findChild<CTabCtrlExt*>(), index);
}

inline void PressOk(QDialog& dialog) {
    uitest::PressOk(&dialog);
}

} // namespace road_test
