// What the viewer's tests share: a window with its own settings file and
// scratch folder, the samples' paths, and the data page of a tab.
#pragma once

#include "DataPage.h"
#include "ViewerWindow.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace viewertest {

QString Sample(const char* name);

// A shown viewer window whose recent files go to a scratch settings file.
struct Viewer {
    Viewer();
    QTemporaryDir dir;
    QSettings settings;
    ViewerWindow window;

    // Writes `bytes` to a file of the scratch folder and returns its path.
    QString Write(const char* name, const QByteArray& bytes) const;
    int Tabs() const;
    const DataPage* Page(int index) const;
    const DataPage* LastPage() const { return Page(Tabs() - 1); }
};

} // namespace viewertest
