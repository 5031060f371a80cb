// What the viewer's tests share: a window with its own settings file, the
// samples' paths, a modal watcher that answers Qt's file dialog or cancels
// whatever modal window opens, and the data page of a tab.
#pragma once

#include "DataPage.h"
#include "ViewerWindow.h"

#include "uisupport/ModalWatcher.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace viewertest {

QString Sample(const char* name);

// A shown viewer window whose recent files go to a scratch settings file.
struct Viewer {
    Viewer();
    QTemporaryDir dir;
    QSettings settings;
    ViewerWindow window;

    int Tabs() const;
    const DataPage* Page(int index) const;
    const DataPage* LastPage() const { return Page(Tabs() - 1); }
};

// Answers the next file dialog (the library's or the viewer's) with `paths`,
// an empty list cancelling it; `seenTitle` gets its title.
std::unique_ptr<uitest::ModalWatcher> AnswerFileDialog(const QStringList& paths,
                                                       QString* seenTitle = nullptr);

// Cancels every modal dialog that opens while it lives, noting their titles.
class CancelEveryModal {
public:
    CancelEveryModal();
    QStringList Titles() const { return m_titles; }

private:
    QTimer m_timer;
    QStringList m_titles;
};

} // namespace viewertest
