// The viewer's main window: a Load menu with one entry per kind of load that
// calls the load object's entry points as any host does, files opened by name
// (the File menu, dropped on the window, the command line), one tab per load
// showing what it brought in, the host's progress bar in the status bar and
// the recent files. A load that fails shows nothing as loaded.
#pragma once

#include "LoadedData.h"
#include "StatusProgressBar.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QSettings;
class QTabWidget;
class RecentFiles;

class ViewerWindow : public QMainWindow {
    Q_OBJECT

public:
    // `settings` keeps the recent files; it outlives the window.
    explicit ViewerWindow(QSettings& settings, QWidget* parent = nullptr);
    ~ViewerWindow() override;

    // Loads `path` by name, as `kind` or as the kind it looks like. False when
    // it cannot be loaded: the reason is in LastError() and was shown (on
    // standard error when the window is quiet).
    bool OpenFile(const QString& path, std::optional<DataKind> kind = std::nullopt);
    // Reports failures on standard error instead of message boxes (pictures
    // taken without a user).
    void SetQuiet(bool quiet) { m_quiet = quiet; }

    QTabWidget* Views() const { return m_views; }
    QString LastError() const { return m_lastError; }
    const StatusProgressBar& Progress() const { return m_progress; }
    bool IsLoading() const { return m_loading; }
    // The loads of the Load menu, by name ("well-heads", "new-well-head",
    // "well-path", "well-paths", "well-data", "las-by-name", "multi-well-logs",
    // "wis-file").
    QAction* LoadAction(const QString& name) const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using Load = std::function<std::optional<LoadedData>(QString& error, bool& shownByLibrary)>;

    void CreateMenus();
    void AddLoadAction(QMenu* menu, const QString& name, const QString& text,
                       const std::function<void()>& run);
    // Runs one load with the progress bar; adds its view when it brought
    // data in. False for a refused, failed or cancelled load.
    bool RunLoad(const QString& what, const Load& load);
    void AddView(LoadedData data);
    void ReportFailure(const QString& what, const QString& error);
    void SetLoadsEnabled(bool enabled);

    // The Load menu's entries.
    void LoadInteractive(COMMON::LOAD_DATA_TYPE type, const QString& what);
    void LoadManyWellPaths();
    void LoadLasByName();
    void LoadMultiWellLogs();
    void PickWisFile();
    void OpenWithDialog(std::optional<DataKind> kind);
    void SaveScreenshot();
    void ShowAbout();

    QSettings& m_settings;
    QTabWidget* m_views;
    QLabel* m_welcome;
    StatusProgressBar m_progress;
    RecentFiles* m_recent = nullptr;
    std::vector<QAction*> m_loadActions;
    std::vector<COMMON::STRUCT_WELL_HEAD> m_heads; // every well head loaded so far
    bool m_loading = false;
    bool m_quiet = false;
    QString m_lastError;
};
