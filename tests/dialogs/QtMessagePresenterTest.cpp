// The library's messages as Qt message boxes, shown by the GUI thread
// whichever thread raised them (the box itself is looked at where a dialog
// raises one).
#include "dialogs/QtPresenters.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/MessageBox.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using welldata::MessageResult;

TEST(QtMessagePresenter, AMessageFromAnotherThreadIsShownByTheGuiThread) {
    welldata::InstallQtPresenters();
    auto box = uitest::WhenModal<QMessageBox>([](QMessageBox* shown) {
        EXPECT_EQ(shown->thread(), QApplication::instance()->thread());
        shown->button(QMessageBox::Ok)->click();
    });
    std::atomic<bool> done{false};
    MessageResult result = MessageResult::Cancel;
    std::thread worker([&] {
        result = welldata::ShowInformation(L"打开文件失败。");
        done = true;
    });
    while (!done)
        QTest::qWait(10);
    worker.join();
    EXPECT_TRUE(box->Fired());
    EXPECT_EQ(result, MessageResult::Ok);
}
