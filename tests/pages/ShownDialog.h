// A real import dialog shown, not run, on a file the test writes, so that a
// test can work its pages between its own checks.
#pragma once

#include "controls/CTabCtrlExt.h"
#include "dialogs/DataFile.h"
#include "uisupport/WidgetDriver.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

template <class Dialog> class ShownDialog : public testing::Test {
protected:
    // Shows a new dialog on `bytes` (a log table's header being the first
    // line naming the depth when `logTable`) at its tab `tab`.
    void Open(const std::string& bytes, int tab, bool logTable = false) {
        dialog.reset(); // an open dialog clears the reader when it goes
        uitest::WriteDataFile(file, bytes, logTable);
        dialog = std::make_unique<Dialog>(&file.reader);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        uitest::ClickTab(dialog->GetTabCtrl(), tab);
    }

    testing_support::ScratchFile file;
    testing_support::MessageCapture messages;
    std::unique_ptr<Dialog> dialog;
};
