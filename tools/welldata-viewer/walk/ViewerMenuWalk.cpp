// viewer_menu_walk SAMPLES_DIR PICTURE_DIR
// Walks the viewer's menus on the bundled samples as a user does: first File >
// Open for each sample, then the Load menu through every kind of load. Each
// menu is opened from the keyboard (Alt and its letter, then the entry's
// letter), the file chosen in the file dialog by its name (and its file type
// picked), the import dialog and every message box answered with their OK
// button. A picture of each dialog and message box on the way and of the
// window after each load ("viewer-<step>.png", and the section view of a well
// path) goes into PICTURE_DIR. Run it under a real X
// server (scripts/viewer-menu-walk.sh) or offscreen. Exit status 1 when a load
// that should bring data in left no new tab.
#include "ViewerWindow.h"

#include "welldata/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// A dialog left open after this many OK presses is cancelled: its checks
// refuse what the walk chose.
constexpr int kMostPresses = 3;

struct Step {
    const char* picture; // the window after the load, "viewer-<picture>.png"
    Qt::Key menu;        // the menu's letter: File or Load
    Qt::Key letter;      // the entry's letter in the menu
    QStringList files;   // typed into the file dialog; empty: no file dialog
    int fileType;        // the file type to pick, 0 to leave it
    bool bringsData;     // the load must add a tab
};

class Walker : public QObject {
public:
    Walker(ViewerWindow& window, QString pictures)
        : m_window(window), m_pictures(std::move(pictures)) {
        connect(&m_timer, &QTimer::timeout, this, &Walker::Respond);
        m_timer.start(150);
    }

    bool Run(const Step& step) {
        m_step = &step;
        m_dialogs = 0;
        const int tabs = m_window.Views()->count();
        std::printf("%s ...\n", step.picture);
        std::fflush(stdout);
        OpenMenuEntry(step.menu, step.letter);
        Settle();
        const bool loaded = m_window.Views()->count() > tabs;
        Save(&m_window, QStringLiteral("viewer-%1.png").arg(QString::fromLatin1(step.picture)));
        if (loaded)
            SaveSectionView(step);
        std::printf("  %s\n", loaded ? "loaded" : "nothing loaded");
        return loaded || !step.bringsData;
    }

private:
    // A well path's view shows its plan first; the section is a tab away.
    void SaveSectionView(const Step& step) {
        for (QTabWidget* tabs : m_window.Views()->currentWidget()->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabText(i) != QCoreApplication::translate("WellPathView", "Section"))
                    continue;
                tabs->setCurrentIndex(i);
                QTest::qWait(100);
                Save(
                    &m_window,
                    QStringLiteral("viewer-%1-section.png").arg(QString::fromLatin1(step.picture)));
                tabs->setCurrentIndex(0);
                return;
            }
        }
    }

    void OpenMenuEntry(Qt::Key menuLetter, Qt::Key letter) {
        QApplication::setActiveWindow(&m_window);
        QTest::keyClick(m_window.menuBar(), menuLetter, Qt::AltModifier);
        QMenu* menu = nullptr;
        for (int waited = 0; menu == nullptr && waited < 3000; waited += 20) {
            QTest::qWait(20);
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        }
        if (menu == nullptr) {
            std::fprintf(stderr, "the menu did not open\n");
            return;
        }
        QTest::keyClick(menu, letter); // runs the load, with its dialogs, to its end
    }

    // Lets the window repaint after the load.
    void Settle() {
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < 600) {
            QTest::qWait(50);
            if (QApplication::activeModalWidget() != nullptr)
                quiet.restart();
        }
    }

    void Save(QWidget* widget, const QString& name) {
        const QString path = QDir(m_pictures).filePath(name);
        if (!widget->grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

    void Respond() {
        if (m_step == nullptr)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr)
            return;
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            AnswerFileDialog(files);
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr)
            return;
        // Noted on the dialog itself: a later dialog may reuse a freed one's address.
        const int presses = dialog->property("walkPresses").toInt() + 1;
        dialog->setProperty("walkPresses", presses);
        if (presses == 1) {
            const QString kind = qobject_cast<QMessageBox*>(dialog) ? QStringLiteral("message")
                                                                    : QStringLiteral("dialog");
            Save(dialog, QStringLiteral("viewer-%1-%2-%3.png")
                             .arg(QString::fromLatin1(m_step->picture), kind)
                             .arg(++m_dialogs));
        }
        if (presses == 1) {
            FillNewWell(dialog);
            ChooseSamplePathLayout(dialog);
        }
        if (presses > kMostPresses) {
            std::fprintf(stderr, "  '%s' refused OK %d times: cancelled\n",
                         qPrintable(dialog->windowTitle()), kMostPresses);
            dialog->reject();
            return;
        }
        PressOk(dialog);
    }

    void AnswerFileDialog(QFileDialog* dialog) {
        if (dialog->property("walkAnswered").toBool())
            return;
        dialog->setProperty("walkAnswered", true);
        Save(dialog,
             QStringLiteral("viewer-%1-file-dialog.png").arg(QString::fromLatin1(m_step->picture)));
        if (m_step->files.isEmpty()) {
            dialog->reject();
            return;
        }
        if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            types != nullptr && m_step->fileType > 0) {
            types->setFocus();
            types->setCurrentIndex(m_step->fileType - 1);
            emit types->activated(m_step->fileType - 1);
        }
        dialog->setDirectory(QFileInfo(m_step->files.front()).absolutePath());
        QStringList names;
        for (const QString& file : m_step->files)
            names << (m_step->files.size() > 1
                          ? QStringLiteral("\"%1\"").arg(QFileInfo(file).fileName())
                          : QFileInfo(file).fileName());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) {
            dialog->selectFile(m_step->files.front());
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
        // Set rather than typed: the name box's completer would take the Return.
        name->setFocus();
        name->setText(names.join(QLatin1Char(' ')));
        QMetaObject::invokeMethod(dialog, "accept");
    }

    // The new-well dialog wants a name and a position: typed as a user would.
    static void FillNewWell(QDialog* dialog) {
        const struct {
            int id;
            const char* text;
        } fields[] = {{30139, "N1"}, {30141, "20512000"}, {30142, "4376000"}, {30140, "1180"}};
        for (const auto& field : fields) {
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->property("controlId").toInt() == field.id)
                    edit->setText(QString::fromLatin1(field.text));
            }
        }
    }

    // The sample well path holds TVD, X and Y: the layout a user picks for it.
    static void ChooseSamplePathLayout(QDialog* dialog) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->property("controlId").toInt() == 30030)
                button->click();
        }
    }

    // The OK button ("确定", "确定(&O)" or "OK"), else the default button, else
    // accept. Pressed once the timer's call has returned, so that a message box
    // the press opens is answered by the next call.
    static void PressOk(QDialog* dialog) {
        QAbstractButton* ok = nullptr;
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            const QString text = button->text().remove(QLatin1Char('&'));
            if (button->isVisible() && button->isEnabled() &&
                (text.startsWith(QStringLiteral("确定")) ||
                 text.compare(QStringLiteral("OK"), Qt::CaseInsensitive) == 0))
                ok = button;
        }
        if (ok == nullptr) {
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->isDefault() && button->isVisible())
                    ok = button;
            }
        }
        if (ok != nullptr)
            QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
        else
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }

    ViewerWindow& m_window;
    QString m_pictures;
    QTimer m_timer;
    const Step* m_step = nullptr;
    int m_dialogs = 0;
};

// Path files named after two of the sample wells and one that has no well,
// and a WIS file to pick.
QStringList ScratchFiles(const QTemporaryDir& dir, const QString& samples) {
    QStringList paths;
    for (const char* name : {"A1.txt", "A2.txt", "B99.txt"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile::copy(samples + QStringLiteral("/well_path.txt"), path);
        paths << path;
    }
    QFile wis(dir.filePath(QStringLiteral("logs.wis")));
    wis.open(QIODevice::WriteOnly);
    wis.write("WIS");
    return paths;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAMPLES_DIR PICTURE_DIR\n", argv[0]);
        return 2;
    }
    const QString samples = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString pictures = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(pictures);
    welldata::SetSettingsFilePath(
        (samples + QStringLiteral("/welldata.well_attri.ini")).toStdWString());
    QTemporaryDir scratch;
    const QStringList paths = ScratchFiles(scratch, samples);
    QSettings settings(scratch.filePath(QStringLiteral("viewer.ini")), QSettings::IniFormat);

    ViewerWindow window(settings);
    window.resize(1280, 800);
    window.show();
    QTest::qWait(300);
    const auto sample = [&samples](const char* name) {
        return samples + QLatin1Char('/') + QString::fromLatin1(name);
    };
    const Step steps[] = {
        {"open-well-heads", Qt::Key_F, Qt::Key_O, {sample("well_heads.txt")}, 0, true},
        {"open-well-path", Qt::Key_F, Qt::Key_O, {sample("well_path.txt")}, 0, true},
        {"open-las", Qt::Key_F, Qt::Key_O, {sample("well_log.las")}, 0, true},
        {"open-log-table", Qt::Key_F, Qt::Key_O, {sample("well_log.txt")}, 0, true},
        {"open-core-analysis", Qt::Key_F, Qt::Key_O, {sample("rock_core_analysis.txt")}, 0, true},
        {"open-core-description",
         Qt::Key_F,
         Qt::Key_O,
         {sample("rock_core_describe.txt")},
         0,
         true},
        {"menu-well-heads", Qt::Key_L, Qt::Key_W, {sample("well_heads.txt")}, 1, true},
        {"menu-new-well-head", Qt::Key_L, Qt::Key_N, {}, 0, true},
        {"menu-well-path", Qt::Key_L, Qt::Key_P, {sample("well_path.txt")}, 1, true},
        {"menu-many-well-paths", Qt::Key_L, Qt::Key_M, paths, 1, true},
        {"menu-log-table", Qt::Key_L, Qt::Key_L, {sample("well_log.txt")}, 1, true},
        {"menu-core-analysis", Qt::Key_L, Qt::Key_L, {sample("rock_core_analysis.txt")}, 2, true},
        {"menu-core-description",
         Qt::Key_L,
         Qt::Key_L,
         {sample("rock_core_describe.txt")},
         3,
         true},
        {"menu-las-interactive", Qt::Key_L, Qt::Key_L, {sample("well_log.las")}, 4, true},
        {"menu-las-by-name", Qt::Key_L, Qt::Key_B, {sample("well_log_feet.las")}, 0, true},
        {"menu-multi-well-logs",
         Qt::Key_L,
         Qt::Key_U,
         {sample("well_log.las"), sample("well_log_feet.las"), sample("well_log_wrapped.las")},
         1,
         true},
        {"menu-wis-file",
         Qt::Key_L,
         Qt::Key_I,
         {scratch.filePath(QStringLiteral("logs.wis"))},
         0,
         true},
    };
    Walker walker(window, pictures);
    int failed = 0;
    for (const Step& step : steps)
        failed += walker.Run(step) ? 0 : 1;
    std::printf("%d of %zu loads brought nothing in\n", failed, std::size(steps));
    return failed == 0 ? 0 : 1;
}
