// welldata-viewer [--screenshot FILE.png] [--size WxH] [--lang en|zh] [FILE...]
// The desktop viewer of the WellData library: loads well data through the
// library's entry points as a host application does and shows what was
// loaded. Files on the command line are opened by name; with --screenshot the
// viewer loads them, saves a picture of its window and exits. The library's
// dialogs and messages, and the viewer's own texts, speak the language of
// --lang, else of the locale.
#include "ViewerLanguage.h"
#include "ViewerWindow.h"

#include "welldata/Language.h"
#include "welldata/MessageBox.h"
#include "welldata/Settings.h"
#include "welldata/UnitQuestion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

// The settings file of column names: the viewer's own when there is one, else
// the one the welldata command installs beside it.
void ChooseSettingsFile() {
    if (QFileInfo::exists(QString::fromStdWString(welldata::GetSettingsFilePath())))
        return;
    const QString shared = QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("welldata.well_attri.ini"));
    if (QFileInfo::exists(shared))
        welldata::SetSettingsFilePath(shared.toStdWString());
}

bool ParseSize(const QString& text, QSize& size) {
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    return okWidth && okHeight && size.width() >= 200 && size.height() >= 150;
}

} // namespace

int main(int argc, char** argv) {
    // Pictures need no display: without one, they are drawn offscreen.
    const bool screenshot = [&] {
        for (int i = 1; i < argc; ++i) {
            if (std::string(argv[i]).rfind("--screenshot", 0) == 0)
                return true;
        }
        return false;
    }();
    if (screenshot && std::getenv("QT_QPA_PLATFORM") == nullptr &&
        std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    // Qt takes the environment's locale; the library's case rules expect "C".
    std::setlocale(LC_ALL, "C");
    QApplication::setApplicationName(QStringLiteral("welldata-viewer"));
    QApplication::setOrganizationName(QStringLiteral("WellData"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads well data with the WellData library as a host application does and shows what was "
        "loaded. Files given are opened by name: LAS files, and text tables of well heads, well "
        "paths, well logs, rock core analysis and rock core descriptions."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("screenshot"),
         QStringLiteral("Load the files, save a picture of the window to FILE.png and exit."),
         QStringLiteral("FILE.png")});
    parser.addOption({QStringLiteral("size"),
                      QStringLiteral("The window's size (default 1280x800)."),
                      QStringLiteral("WxH"), QStringLiteral("1280x800")});
    parser.addOption({QStringLiteral("lang"),
                      QStringLiteral("The language of the dialogs, menus and messages: en or zh "
                                     "(default: en when the locale is en_*, else zh)."),
                      QStringLiteral("en|zh")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Files to open."),
                                 QStringLiteral("[FILE...]"));
    parser.process(application);
    QSize size;
    if (!ParseSize(parser.value(QStringLiteral("size")), size)) {
        std::fprintf(stderr, "welldata-viewer: wrong size '%s' (use WxH, such as 1280x800)\n",
                     parser.value(QStringLiteral("size")).toLocal8Bit().constData());
        return kExitUsage;
    }
    welldata::Language language = welldata::Language::Chinese;
    const std::optional<std::string> lang =
        parser.isSet(QStringLiteral("lang"))
            ? std::optional(parser.value(QStringLiteral("lang")).toStdString())
            : std::nullopt;
    if (!welldata::ChooseLanguage(lang, language)) {
        std::fprintf(stderr, "welldata-viewer: unknown language '%s' (use en or zh)\n",
                     lang->c_str());
        return kExitUsage;
    }
    welldata::SetLanguage(language);
    if (!ViewerLanguage::Use(language))
        std::fprintf(stderr, "welldata-viewer: the viewer's Chinese texts are missing\n");
    ChooseSettingsFile();

    QSettings settings;
    ViewerWindow window(settings);
    window.resize(size);
    window.show();

    // Without a user, the library's messages go to standard error and a LAS
    // file's declared units are taken without asking.
    std::unique_ptr<welldata::ScopedMessageHandler> messages;
    std::unique_ptr<welldata::ScopedUnitQuestionHandler> units;
    if (screenshot) {
        window.SetQuiet(true);
        messages = std::make_unique<welldata::ScopedMessageHandler>(
            [](const welldata::MessageRequest& request) {
                std::fprintf(stderr, "welldata-viewer: %s\n",
                             QString::fromStdWString(request.text).toLocal8Bit().constData());
                return request.buttons == welldata::MessageButtons::YesNo
                           ? welldata::MessageResult::No
                           : welldata::MessageResult::Ok;
            });
        units = std::make_unique<welldata::ScopedUnitQuestionHandler>(
            [](const std::wstring&, welldata::UnitAnswer&) { return false; });
    }
    bool allLoaded = true;
    for (const QString& file : parser.positionalArguments()) {
        if (!window.OpenFile(file)) {
            allLoaded = false;
            std::fprintf(stderr, "welldata-viewer: %s: %s\n", file.toLocal8Bit().constData(),
                         window.LastError().toLocal8Bit().constData());
        }
    }
    if (!screenshot)
        return application.exec();

    // Let the window lay itself out and paint before the picture is taken.
    QApplication::processEvents();
    const QString picture = parser.value(QStringLiteral("screenshot"));
    if (!window.grab().save(picture, "PNG")) {
        std::fprintf(stderr, "welldata-viewer: cannot write '%s'\n",
                     picture.toLocal8Bit().constData());
        return kExitLoadFailed;
    }
    return allLoaded ? 0 : kExitLoadFailed;
}
