// A message raised on a worker thread (a host loading in the background) must
// still be shown, and answered, by the GUI thread: Qt widgets live there only.
#include "dialogs/QtPresenters.h"
#include "support/TestSupport.h"
#include "welldata/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using welldata::MessageResult;

TEST(QtMessagePresenter, AMessageFromAnotherThreadIsShownByTheGuiThread) {
    welldata::InstallQtPresenters();
    std::atomic<bool> done{false};
    MessageResult result = MessageResult::Cancel;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->thread(), QApplication::instance()->thread());
            box->button(QMessageBox::Ok)->click();
        }
        if (done)
            loop.quit();
    });
    poll.start(10);
    std::thread worker([&] {
        result = welldata::ShowInformation(L"打开文件失败。");
        done = true;
    });
    loop.exec();
    worker.join();
    EXPECT_EQ(result, MessageResult::Ok);
}
