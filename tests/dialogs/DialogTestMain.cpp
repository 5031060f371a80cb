// Runs the dialog tests in an offscreen QApplication; a modal window left open
// for 10 seconds fails the test and is ended instead of hanging the run.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);

    QTimer watchdog;
    int openTicks = 0;
    QObject::connect(&watchdog, &QTimer::timeout, [&openTicks] {
        QWidget* modal = QApplication::activeModalWidget();
        openTicks = modal ? openTicks + 1 : 0;
        if (openTicks < 20)
            return;
        ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        openTicks = 0;
    });
    watchdog.start(500);
    return RUN_ALL_TESTS();
}
