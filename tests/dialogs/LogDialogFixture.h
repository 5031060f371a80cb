// A well log import dialog run modally on a file the test writes, given its
// well log loader (bound to records the test reads), with the test's settings
// file and every message captured.
//
// Usage:
//   struct MyTest : LogDialogFixture<CDlgImportMultiWellLogs> {
//       MyTest() : LogDialogFixture(kSettings) {}
//   };
//   file.Write(...);
//   RunDialog([](CDlgImportMultiWellLogs& d) { uitest::PressOk(&d); });
#pragma once

#include "loaders/CWellLog.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ModalWatcher.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

template <class Dialog> class LogDialogFixture : public testing::Test {
protected:
    explicit LogDialogFixture(const std::string& settingsText) : settings(settingsText) {}

    // Runs a new dialog on the file's reader; `drive` acts on it once it is up
    // and ends it. Without `withLoader` the dialog is given no loader.
    int RunDialog(const std::function<void(Dialog&)>& drive, bool withLoader = true) {
        dialog = std::make_unique<Dialog>(&file.reader);
        if (withLoader)
            dialog->SetLoader(&loader);
        return uitest::RunModal(*dialog, [&drive](QDialog& d) { drive(static_cast<Dialog&>(d)); });
    }

    settings_test::ScopedSettingsFile settings;
    testing_support::ScratchFile file;
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE record;
    CWellLog loader{&file.reader, &path, &record};
    testing_support::MessageCapture messages;
    std::unique_ptr<Dialog> dialog;
};
