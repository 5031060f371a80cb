// The Load menu calls the load object's entry points as a host does: each
// entry that opens the library's file dialog shows the load type's title, a
// cancelled or refused load leaves nothing shown as loaded, and the LAS file
// by name loads through the menu's file dialog.
#include "ViewerTestSupport.h"

#include <QAction>
#include <QTabWidget>

#include <gtest/gtest.h>

using viewertest::Sample;
using viewertest::Viewer;

TEST(ViewerMenu, EveryLoadEntryCancelledLeavesNothingLoaded) {
    Viewer viewer;
    const char* const entries[] = {"well-heads", "new-well-head", "well-path",       "well-paths",
                                   "well-data",  "las-by-name",   "multi-well-logs", "wis-file"};
    for (const char* entry : entries) {
        QAction* action = viewer.window.LoadAction(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
        viewertest::CancelEveryModal cancel;
        action->trigger();
        EXPECT_EQ(viewer.Tabs(), 0) << entry;
        EXPECT_FALSE(viewer.window.IsLoading()) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
    }
}

TEST(ViewerMenu, TheLibrarysFileDialogShowsTheTitleOfTheLoadType) {
    struct Case {
        const char* entry;
        const char* title;
    };
    const Case cases[] = {
        {"well-heads", "加载井位"},
        {"well-path", "加载井数据"},
        {"well-data", "加载井数据"},
    };
    Viewer viewer;
    for (const Case& c : cases) {
        QString title;
        auto cancel = viewertest::AnswerFileDialog({}, &title);
        viewer.window.LoadAction(QString::fromLatin1(c.entry))->trigger();
        EXPECT_TRUE(cancel->Fired()) << c.entry;
        EXPECT_EQ(title, QString::fromUtf8(c.title)) << c.entry;
    }
    EXPECT_EQ(viewer.Tabs(), 0);
}

TEST(ViewerMenu, ALasFileByNameLoadsThroughTheMenu) {
    Viewer viewer;
    auto answer = viewertest::AnswerFileDialog({Sample("well_log.las")});
    viewer.window.LoadAction(QStringLiteral("las-by-name"))->trigger();
    EXPECT_TRUE(answer->Fired());
    ASSERT_EQ(viewer.Tabs(), 1);
    const LoadedData& data = viewer.LastPage()->Data();
    EXPECT_EQ(data.kind, DataKind::WellLog);
    EXPECT_EQ(data.log.lstCurves.size(), 9u);
    EXPECT_EQ(data.lasHeader.front().name, L"~V");
}
