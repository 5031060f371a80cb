// The Load menu calls the load object's entry points as a host does: each
// entry that opens the library's file dialog shows the load type's title, a
// cancelled or refused load leaves nothing shown as loaded, and the LAS file
// by name loads through the menu's file dialog.
#include "ViewerTestSupport.h"

#include "uisupport/ModalWatcher.h"

#include <QAction>
#include <QFileDialog>

#include <gtest/gtest.h>

using viewertest::Sample;
using viewertest::Viewer;

TEST(ViewerMenu, EveryLoadEntryCancelledLeavesNothingLoaded) {
    // Each entry, and the title of the library's file dialog when it opens one first.
    const std::pair<const char*, const char*> entries[] = {
        {"well-heads", "加载井位"},   {"new-well-head", nullptr},  {"well-path", "加载井数据"},
        {"well-paths", nullptr},      {"well-data", "加载井数据"}, {"las-by-name", nullptr},
        {"multi-well-logs", nullptr}, {"wis-file", nullptr}};
    Viewer viewer;
    for (const auto& [entry, title] : entries) {
        QAction* action = viewer.window.LoadAction(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        viewertest::CancelEveryModal cancel;
        action->trigger();
        if (title != nullptr) {
            EXPECT_EQ(cancel.Titles().value(0), QString::fromUtf8(title)) << entry;
        }
        EXPECT_EQ(viewer.Tabs(), 0) << entry;
        EXPECT_FALSE(viewer.window.IsLoading()) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
    }
}

TEST(ViewerMenu, ALasFileByNameLoadsThroughTheMenu) {
    Viewer viewer;
    auto answer = uitest::WhenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(Sample("well_log.las"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    viewer.window.LoadAction(QStringLiteral("las-by-name"))->trigger();
    EXPECT_TRUE(answer->Fired());
    ASSERT_EQ(viewer.Tabs(), 1);
    const LoadedData& data = viewer.LastPage()->Data();
    EXPECT_EQ(data.kind, DataKind::WellLog);
    EXPECT_EQ(data.log.lstCurves.size(), 9u);
    EXPECT_EQ(data.lasHeader.front().name, L"~V");
}
