// Runs the dialog tests inside a QApplication on the offscreen platform, with a
// watchdog that ends any modal window left open so a test fails instead of hanging.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);

    QTimer watchdog;
    int idleTicks = 0;
    QObject::connect(&watchdog, &QTimer::timeout, [&idleTicks] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            idleTicks = 0;
            return;
        }
        if (++idleTicks < 20) // 10 seconds
            return;
        ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        idleTicks = 0;
    });
    watchdog.start(500);
    return RUN_ALL_TESTS();
}
