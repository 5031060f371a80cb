// An import dialog run modally on a file the test writes, with the test's
// settings file, every message captured, its loader bound to test records.
#pragma once

#include "dialogs/DataFile.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ModalWatcher.h"
#include "uisupport/WidgetDriver.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A captured message as "text|caption|owner icon buttons", the three as numbers.
inline std::wstring Said(const welldata::MessageRequest& m) {
    return m.text + L"|" + m.caption + L"|" + std::to_wstring(static_cast<int>(m.owner)) + L" " +
           std::to_wstring(static_cast<int>(m.icon)) + L" " +
           std::to_wstring(static_cast<int>(m.buttons));
}

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
