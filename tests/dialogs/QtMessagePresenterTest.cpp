// Inside a Qt application, the library's messages become message boxes with the
// caption, text, icon and owner they were raised with.
#include "dialogs/QtPresenters.h"
#include "welldata/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
};

// Closes the next message box that opens and reports what it showed.
void CloseNextMessageBox(SeenBox& seen, QMessageBox::StandardButton button) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->parentWidget()};
        box->button(button)->click();
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
}

} // namespace

TEST(QtMessagePresenter, ShowsAnInformationBoxWithTheProductCaption) {
    ASSERT_TRUE(welldata::HasWidgetApplication());
    SeenBox seen;
    CloseNextMessageBox(seen, QMessageBox::Ok);
    EXPECT_EQ(welldata::ShowInformation(L"轨迹数据中含有空值，请检查之后重试。"),
              welldata::MessageResult::Ok);
    EXPECT_EQ(seen.title, QStringLiteral("Welvorax"));
    EXPECT_EQ(seen.text, QStringLiteral("轨迹数据中含有空值，请检查之后重试。"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtMessagePresenter, DialogOwnedMessagesBelongToTheOpenDialog) {
    QDialog dialog;
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        CloseNextMessageBox(seen, QMessageBox::Ok);
        welldata::ShowInformation(L"x", welldata::MessageOwner::Dialog);
        dialog.done(QDialog::Accepted);
    });
    dialog.exec();
    EXPECT_EQ(seen.parent, &dialog);
    EXPECT_EQ(welldata::OwnerWindow(welldata::MessageOwner::None), nullptr);
}

TEST(QtMessagePresenter, AnInstalledHandlerWinsOverTheBox) {
    int calls = 0;
    auto previous = welldata::SetMessageHandler([&calls](const welldata::MessageRequest&) {
        ++calls;
        return welldata::MessageResult::Ok;
    });
    welldata::ShowApplicationMessage(L"打开文件失败。");
    welldata::SetMessageHandler(previous);
    EXPECT_EQ(calls, 1);
}
