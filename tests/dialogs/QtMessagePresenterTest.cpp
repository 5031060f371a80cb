// Inside a Qt application, the library's messages become message boxes with the
// caption, text, icon and owner they were raised with, unless a handler takes them.
#include "dialogs/QtPresenters.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(QtMessagePresenter, ShowsAnInformationBoxOwnedByTheOpenDialog) {
    QDialog dialog;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&dialog, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Welvorax"));
            EXPECT_EQ(box->text(), QStringLiteral("轨迹数据中含有空值，请检查之后重试。"));
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->parentWidget(), &dialog);
            box->button(QMessageBox::Ok)->click();
        }
    });
    dialog.setModal(true);
    dialog.show();
    poll->start(10);
    EXPECT_EQ(welldata::ShowInformation(L"轨迹数据中含有空值，请检查之后重试。",
                                        welldata::MessageOwner::Dialog),
              welldata::MessageResult::Ok);

    testing_support::MessageCapture messages; // no box: the watchdog would fail the test
    welldata::ShowApplicationMessage(L"打开文件失败。");
    EXPECT_EQ(messages.Count(), 1u);
}

TEST(QtMessagePresenter, QuestionsAreAnsweredWithTheButtonTheTestPicks) {
    welldata::MessageRequest question;
    question.text = L"是否继续加载？";
    question.caption = welldata::kProductCaption;
    question.icon = welldata::MessageIcon::Question;
    question.buttons = welldata::MessageButtons::YesNo;
    // A real box, answered by clicking.
    auto answer = uitest::AnswerMessageBox(QMessageBox::No);
    EXPECT_EQ(welldata::ShowMessage(question), welldata::MessageResult::No);
    EXPECT_TRUE(answer->Fired());
    // A captured one, answered as queued, then Yes by default.
    testing_support::MessageCapture messages;
    messages.AnswerNext(welldata::MessageResult::No);
    EXPECT_EQ(welldata::ShowMessage(question), welldata::MessageResult::No);
    EXPECT_EQ(welldata::ShowMessage(question), welldata::MessageResult::Yes);
    EXPECT_EQ(messages.Count(), 2u);
}
