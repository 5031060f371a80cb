// An import dialog run modally on a file the test writes, with the test's
// settings file and every message captured. The fixture of each dialog binds
// the dialog's loader to records the test reads.
//
// Usage:
//   struct MyTest : DialogFixture<CDlgImportSingleWellPath> {
//       MyTest() : DialogFixture(kSettings) {}
//       void Bind(CDlgImportSingleWellPath& d) override { d.SetLoader(&loader); }
//       COMMON::STRUCT_WELL_PATH record;
//       CWellPath loader{&file.reader, &record};
//   };
//   Run("MD INCL AZIM\n1000 1 2\n", [](CDlgImportSingleWellPath& d) { uitest::PressOk(&d); });
#pragma once

#include "dialogs/DataFile.h"
#include "loaders/CWellLog.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ModalWatcher.h"
#include "uisupport/WidgetDriver.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

template <class Dialog> class DialogFixture : public testing::Test {
protected:
    explicit DialogFixture(const std::string& settingsText) : settings(settingsText) {}

    virtual void Bind(Dialog& dialog) = 0;

    // Runs a new dialog on the file's reader, bound to the loader unless
    // `withLoader` is false; `drive` acts on it once it is up and ends it.
    int RunDialog(const std::function<void(Dialog&)>& drive, bool withLoader = true) {
        dialog = std::make_unique<Dialog>(&file.reader);
        if (withLoader)
            Bind(*dialog);
        return uitest::RunModal(*dialog, [&drive](QDialog& d) { drive(static_cast<Dialog&>(d)); });
    }
    // The same on a table with the text `bytes`.
    int Run(const std::string& bytes, const std::function<void(Dialog&)>& drive,
            bool withLoader = true) {
        file.Write(bytes);
        return RunDialog(drive, withLoader);
    }

    settings_test::ScopedSettingsFile settings;
    testing_support::ScratchFile file;
    testing_support::MessageCapture messages;
    std::unique_ptr<Dialog> dialog;
};

// A well log import dialog with its loader.
template <class Dialog> class LogDialogFixture : public DialogFixture<Dialog> {
protected:
    using DialogFixture<Dialog>::DialogFixture;
    void Bind(Dialog& dialog) override { dialog.SetLoader(&loader); }

    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE record;
    CWellLog loader{&this->file.reader, &path, &record};
};
