// The files the user opened last, newest first, kept in the viewer's settings
// between runs and offered in the File menu.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QSettings;

class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxFiles = 8;

    // `settings` outlives this object; `menu` is refilled on every change.
    RecentFiles(QSettings& settings, QMenu* menu, QObject* parent = nullptr);

    // Puts `path` first (once) and forgets the oldest beyond kMaxFiles.
    void Add(const QString& path);
    QStringList Files() const { return m_files; }

signals:
    void OpenRequested(const QString& path);

private:
    void Save();
    void FillMenu();

    QSettings& m_settings;
    QMenu* m_menu;
    QStringList m_files;
};
