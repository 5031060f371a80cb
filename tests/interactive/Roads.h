// What the tests of the interactive roads share: ReadFile() driven through the
// file dialog and the import dialog as a user drives them, and the records of
// a load as exact text, so that an interactive load can be held against the
// headless load of the same file with the same choices (the road the welldata
// command takes). One loader, two front ends: the records must be identical.
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
// (1-based; 0 leaves the preselected one) and the import dialog that follows,
// of class `dialogClass`, driven by `drive`, which ends it. Without `drive` no
// import dialog may open (one that does is cancelled and counts as a failure).
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
            drive ? drive(*static_cast<QDialog*>(modal)) : static_cast<QDialog*>(modal)->reject();
        });
    const bool loaded = load.ReadFile();
    EXPECT_TRUE(file->Fired());
    EXPECT_EQ(import.Fired(), drive != nullptr);
    EXPECT_EQ(load.GetLoadFileName(), path);
    return loaded;
}

// The headless load of the file `interactive` read, with `choices`: it must
// succeed or fail alike, for the same reason, and fill the same records.
template <class Choices>
void ExpectLikeHeadless(const CLoadData& interactive, const Choices& choices, bool loads = true) {
    CLoadData headless(CLoadData::GetProcessLoadType());
    EXPECT_EQ(headless.ReadFile(interactive.GetLoadFileName(), choices), loads);
    EXPECT_EQ(headless.GetLastFailure().error, interactive.GetLastFailure().error);
    EXPECT_EQ(Records(interactive), Records(headless));
}

inline void ShowTab(QDialog& dialog, int index) {
    uitest::ClickTab(dialog.findChild<CTabCtrlExt*>(), index);
}

inline void PressOk(QDialog& dialog) {
    uitest::PressOk(&dialog);
}

} // namespace road_test
