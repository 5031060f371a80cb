// The library's messages as Qt message boxes, shown by the GUI thread
// whichever thread raised them.
#include "dialogs/QtPresenters.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/MessageBox.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEventLoop>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using welldata::MessageResult;

TEST(QtMessagePresenter, ShowsABoxOwnedByTheOpenDialogAnsweredWithTheButtonClicked) {
    welldata::InstallQtPresenters();
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    auto box = uitest::WhenModal<QMessageBox>([&dialog](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Welvorax");
        EXPECT_EQ(box->text(), "轨迹数据中含有空值，请检查之后重试。");
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->parentWidget(), &dialog);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(welldata::ShowInformation(L"轨迹数据中含有空值，请检查之后重试。",
                                        welldata::MessageOwner::Dialog),
              MessageResult::Ok);
    EXPECT_TRUE(box->Fired());

    welldata::MessageRequest question;
    question.text = L"是否继续加载？";
    question.buttons = welldata::MessageButtons::YesNo;
    auto answer = uitest::AnswerMessageBox(QMessageBox::No);
    EXPECT_EQ(welldata::ShowMessage(question), MessageResult::No);
    EXPECT_TRUE(answer->Fired());
}

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
