#include "RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const char* const kKey = "recentFiles";

} // namespace

RecentFiles::RecentFiles(QSettings& settings, QMenu* menu, QObject* parent)
    : QObject(parent), m_settings(settings), m_menu(menu),
      m_files(settings.value(kKey).toStringList().mid(0, kMaxFiles)) {
    FillMenu();
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
    Save();
    FillMenu();
}

void RecentFiles::Save() {
    m_settings.setValue(kKey, m_files);
    m_settings.sync();
}

void RecentFiles::FillMenu() {
    m_menu->clear();
    for (int i = 0; i < m_files.size(); ++i) {
        const QString path = m_files[i];
        QAction* action = m_menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(action, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
    }
    m_menu->setEnabled(!m_files.isEmpty());
}
