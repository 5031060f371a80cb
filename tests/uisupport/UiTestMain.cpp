// Runs a widget test program in an offscreen QApplication. A modal window or
// popup menu left open for 10 seconds fails the test and is closed instead of
// hanging the run.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr int kWatchdogMilliseconds = 500;
constexpr int kTicksBeforeClosing = 20;

void CloseStray(QWidget* window) {
    ADD_FAILURE() << "a modal window was left open: " << window->windowTitle().toStdString() << " ("
                  << window->metaObject()->className() << ")";
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->done(QDialog::Rejected);
    else
        window->close();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);

    QTimer watchdog;
    QWidget* watched = nullptr;
    int openTicks = 0;
    QObject::connect(&watchdog, &QTimer::timeout, [&watched, &openTicks] {
        QWidget* open = QApplication::activePopupWidget();
        if (open == nullptr)
            open = QApplication::activeModalWidget();
        openTicks = open != nullptr && open == watched ? openTicks + 1 : 0;
        watched = open;
        if (openTicks < kTicksBeforeClosing)
            return;
        CloseStray(open);
        openTicks = 0;
        watched = nullptr;
    });
    watchdog.start(kWatchdogMilliseconds);
    return RUN_ALL_TESTS();
}
