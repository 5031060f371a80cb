#include "ViewerWindow.h"

#include "ByNameLoader.h"
#include "DataPage.h"
#include "PathSink.h"
#include "RecentFiles.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>

#include <cstdio>

namespace {

const char* const kWelcome = QT_TRANSLATE_NOOP(
    "ViewerWindow",
    "<h2>WellData viewer</h2>"
    "<p>Load well data with the <b>Load</b> menu, as a host application does: the library's "
    "file dialog, then its import dialog.</p>"
    "<p>Or open files by name with <b>File &gt; Open</b>, drop them on this window, or give "
    "them on the command line: LAS files, and text tables of well heads, well paths, well "
    "logs, rock core analysis and rock core descriptions.</p>");

QString FileNameOf(const std::wstring& path) {
    return QFileInfo(QString::fromStdWString(path)).fileName();
}

// The kind of data a file type of the well data file dialog holds.
DataKind WellDataKind(int fileType) {
    switch (fileType) {
    case 2:
        return DataKind::CoreAnalysis;
    case 3:
        return DataKind::CoreDescription;
    default:
        return DataKind::WellLog;
    }
}

} // namespace

ViewerWindow::ViewerWindow(QSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_views(new QTabWidget(this)),
      m_welcome(new QLabel(tr(kWelcome), this)), m_progress(new QProgressBar(this)) {
    setWindowTitle(tr("WellData viewer"));
    setAcceptDrops(true);
    auto* central = new QStackedWidget(this);
    m_welcome->setAlignment(Qt::AlignCenter);
    m_welcome->setWordWrap(true);
    m_welcome->setMargin(40);
    central->addWidget(m_welcome);
    central->addWidget(m_views);
    setCentralWidget(central);
    m_views->setTabsClosable(true);
    m_views->setDocumentMode(true);
    connect(m_views, &QTabWidget::tabCloseRequested, this, [this, central](int index) {
        delete m_views->widget(index);
        if (m_views->count() == 0)
            central->setCurrentWidget(m_welcome);
    });
    m_progress.Bar()->setMaximumWidth(260);
    statusBar()->addPermanentWidget(m_progress.Bar());
    CreateMenus();
    statusBar()->showMessage(tr("Ready"));
}

ViewerWindow::~ViewerWindow() = default;

QAction* ViewerWindow::LoadAction(const QString& name) const {
    for (QAction* action : m_loadActions) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

void ViewerWindow::AddLoadAction(QMenu* menu, const QString& name, const QString& text,
                                 const std::function<void()>& run) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, run);
    m_loadActions.push_back(action);
}

void ViewerWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."), this, [this] { OpenWithDialog({}); });
    open->setShortcut(QKeySequence::Open);
    m_loadActions.push_back(open);
    QMenu* openAs = file->addMenu(tr("Open &as"));
    const std::pair<const char*, DataKind> kinds[] = {
        {QT_TR_NOOP("Well heads table..."), DataKind::WellHeads},
        {QT_TR_NOOP("Well path table..."), DataKind::WellPath},
        {QT_TR_NOOP("Well log (LAS or table)..."), DataKind::WellLog},
        {QT_TR_NOOP("Rock core analysis table..."), DataKind::CoreAnalysis},
        {QT_TR_NOOP("Rock core description table..."), DataKind::CoreDescription},
    };
    for (const auto& [text, kind] : kinds) {
        const DataKind chosen = kind;
        m_loadActions.push_back(
            openAs->addAction(tr(text), this, [this, chosen] { OpenWithDialog(chosen); }));
    }
    m_recent = new RecentFiles(m_settings, file->addMenu(tr("&Recent files")), this);
    connect(m_recent, &RecentFiles::OpenRequested, this,
            [this](const QString& path) { OpenFile(path); });
    file->addSeparator();
    file->addAction(tr("Save &screenshot..."), this, &ViewerWindow::SaveScreenshot);
    file->addAction(tr("&Close tab"), QKeySequence::Close, this, [this] {
        if (m_views->count() > 0)
            emit m_views->tabCloseRequested(m_views->currentIndex());
    });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* load = menuBar()->addMenu(tr("&Load"));
    AddLoadAction(load, QStringLiteral("well-heads"), tr("&Well heads..."),
                  [this] { LoadInteractive(COMMON::LDT_WELL_HEAD, tr("well heads")); });
    AddLoadAction(load, QStringLiteral("new-well-head"), tr("&New well head..."),
                  [this] { LoadInteractive(COMMON::LDT_NEW_WELL_HEAD, tr("a new well head")); });
    AddLoadAction(load, QStringLiteral("well-path"), tr("Well &path..."),
                  [this] { LoadInteractive(COMMON::LDT_WELL_PATH, tr("a well path")); });
    AddLoadAction(load, QStringLiteral("well-paths"), tr("&Many well paths..."),
                  [this] { LoadManyWellPaths(); });
    AddLoadAction(load, QStringLiteral("well-data"), tr("Well &log / rock core / LAS..."),
                  [this] { LoadInteractive(COMMON::LDT_WELL_DATA, tr("well data")); });
    AddLoadAction(load, QStringLiteral("las-by-name"), tr("LAS file &by name..."),
                  [this] { LoadLasByName(); });
    AddLoadAction(load, QStringLiteral("multi-well-logs"), tr("M&ulti-well logs..."),
                  [this] { LoadMultiWellLogs(); });
    AddLoadAction(load, QStringLiteral("wis-file"), tr("Pick W&IS file..."),
                  [this] { PickWisFile(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About"), this, &ViewerWindow::ShowAbout);
}

void ViewerWindow::SetLoadsEnabled(bool enabled) {
    for (QAction* action : m_loadActions)
        action->setEnabled(enabled);
}

bool ViewerWindow::RunLoad(const QString& what, const Load& load) {
    if (m_loading)
        return false; // one load at a time, even when asked from inside another
    m_loading = true;
    SetLoadsEnabled(false);
    statusBar()->showMessage(tr("Loading %1 ...").arg(what));
    m_progress.Start();
    QString error;
    bool shownByLibrary = false;
    std::optional<LoadedData> data = load(error, shownByLibrary);
    m_progress.Finish();
    SetLoadsEnabled(true);
    m_loading = false;
    if (!data) {
        m_lastError = error;
        if (error.isEmpty())
            statusBar()->showMessage(tr("Nothing loaded: %1").arg(what));
        else if (!shownByLibrary || m_quiet)
            ReportFailure(what, error);
        else
            statusBar()->showMessage(tr("Cannot load %1: %2").arg(what, error));
        return false;
    }
    m_lastError.clear();
    if (!data->file.empty() && LoadedData::OpensByName(data->kind))
        m_recent->Add(QString::fromStdWString(data->file));
    statusBar()->showMessage(tr("Loaded %1").arg(what));
    AddView(std::move(*data));
    return true;
}

void ViewerWindow::ReportFailure(const QString& what, const QString& error) {
    statusBar()->showMessage(tr("Cannot load %1: %2").arg(what, error));
    if (m_quiet) {
        std::fprintf(stderr, "welldata-viewer: %s: %s\n", what.toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return;
    }
    QMessageBox::warning(this, windowTitle(), tr("Cannot load %1:\n%2").arg(what, error));
}

void ViewerWindow::AddView(LoadedData data) {
    if (data.kind == DataKind::WellHeads || data.kind == DataKind::NewWellHead)
        m_heads.insert(m_heads.end(), data.heads.begin(), data.heads.end());
    QString title = data.file.empty() ? LoadedData::KindName(data.kind) : FileNameOf(data.file);
    if (data.kind == DataKind::WellPaths)
        title = tr("%1 well paths").arg(data.paths.size());
    const QString tip = QStringLiteral("%1: %2").arg(LoadedData::KindName(data.kind),
                                                     QString::fromStdWString(data.file));
    auto* page = new DataPage(std::make_unique<LoadedData>(std::move(data)), m_heads, m_views);
    const int index = m_views->addTab(page, title);
    m_views->setTabToolTip(index, tip);
    m_views->setCurrentIndex(index);
    static_cast<QStackedWidget*>(centralWidget())->setCurrentWidget(m_views);
}

bool ViewerWindow::OpenFile(const QString& path, std::optional<DataKind> kind) {
    const QString name = QFileInfo(path).fileName();
    return RunLoad(name, [this, path, kind](QString& error, bool& shown) {
        return ByNameLoader(&m_progress).Load(path, kind, error, shown);
    });
}

void ViewerWindow::OpenWithDialog(std::optional<DataKind> kind) {
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Open well data"), QString(),
        tr("Well data (*.las *.LAS *.txt *.TXT *.csv);;All files (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    for (const QString& path : paths)
        OpenFile(path, kind);
}

void ViewerWindow::LoadInteractive(COMMON::LOAD_DATA_TYPE type, const QString& what) {
    RunLoad(what, [this, type](QString&, bool&) -> std::optional<LoadedData> {
        CLoadData load(type, &m_progress);
        if (!load.ReadFile())
            return std::nullopt;
        switch (type) {
        case COMMON::LDT_WELL_HEAD:
            return LoadedData::Take(load, DataKind::WellHeads, load.GetLoadFileName());
        case COMMON::LDT_NEW_WELL_HEAD:
            return LoadedData::Take(load, DataKind::NewWellHead, L"");
        case COMMON::LDT_WELL_PATH:
            return LoadedData::Take(load, DataKind::WellPath, load.GetLoadFileName());
        default:
            return LoadedData::Take(load, WellDataKind(load.GetFileType()), load.GetLoadFileName());
        }
    });
}

void ViewerWindow::LoadManyWellPaths() {
    RunLoad(tr("well paths"), [this](QString&, bool&) -> std::optional<LoadedData> {
        PathSink sink(m_heads, [this](int index, int count) {
            statusBar()->showMessage(tr("Loading well path %1 of %2 ...").arg(index).arg(count));
            m_progress.SetPos(0);
        });
        CLoadData load(COMMON::LDT_WELL_PATH, &m_progress);
        if (!load.ReadFile(&sink) || sink.Paths().empty())
            return std::nullopt;
        LoadedData data;
        data.kind = DataKind::WellPaths;
        data.file = sink.Paths().front().fileName;
        data.paths = std::move(sink.Paths());
        return data;
    });
}

void ViewerWindow::LoadLasByName() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("LAS file by name"), QString(), tr("LAS 2.0 files (*.las *.LAS);;All files (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        OpenFile(path, DataKind::WellLog);
}

void ViewerWindow::LoadMultiWellLogs() {
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Multi-well logs: the log files of the wells"), QString(),
        tr("LAS files (*.las *.LAS);;Log tables (*.txt *.TXT);;All files (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (paths.isEmpty())
        return;
    RunLoad(tr("multi-well logs"), [this, paths](QString&, bool&) -> std::optional<LoadedData> {
        std::vector<std::wstring> files;
        for (const QString& path : paths)
            files.push_back(path.toStdWString());
        const bool las =
            QFileInfo(paths.front()).suffix().compare(QStringLiteral("las"), Qt::CaseInsensitive) ==
            0;
        CLoadData load(COMMON::LDT_MULTI_WELL_LOG, &m_progress);
        load.SetLoadDataFormat(las ? COMMON::WLDF_LAS : COMMON::WLDF_TEXT);
        if (!load.ReadFileMuilti(files, true))
            return std::nullopt;
        LoadedData data = LoadedData::Take(load, DataKind::MultiWellSettings,
                                           files.empty() ? L"" : files.front());
        data.files = files;
        return data;
    });
}

void ViewerWindow::PickWisFile() {
    RunLoad(tr("a WIS file"), [](QString&, bool&) -> std::optional<LoadedData> {
        CLoadData load;
        std::wstring path;
        if (!load.ReadFileWis(path))
            return std::nullopt;
        LoadedData data;
        data.kind = DataKind::WisFile;
        data.file = path;
        return data;
    });
}

void ViewerWindow::SaveScreenshot() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save screenshot"), QStringLiteral("welldata-viewer.png"),
        tr("PNG pictures (*.png)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty() && !grab().save(path, "PNG"))
        QMessageBox::warning(this, windowTitle(), tr("Cannot write %1").arg(path));
}

void ViewerWindow::ShowAbout() {
    QMessageBox::about(this, windowTitle(),
                       tr("WellData viewer: loads well data with the WellData library "
                          "as a host application does, and shows what was loaded."));
}

void ViewerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_loading && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ViewerWindow::dropEvent(QDropEvent* event) {
    if (m_loading)
        return;
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    for (const QString& path : paths)
        OpenFile(path);
}
