// The first step of every interactive load: the library's file dialog with the
// load type's title, filter and preselected file type.
#include "controls/CFileDialogExt.h"
#include "support/TestSupport.h"
#include "uisupport/ModalWatcher.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

namespace {

struct FileDialogSeen {
    QString title;
    QStringList filters;
    int filterIndex = 0;
};

// Cancels the next file dialog after noting what it showed.
std::unique_ptr<uitest::ModalWatcher> CancelFileDialog(FileDialogSeen& seen) {
    return uitest::WhenModal<CFileDialogExt>([&seen](CFileDialogExt* dialog) {
        seen = {dialog->windowTitle(), dialog->GetNameFilters(), dialog->GetFilterIndex()};
        dialog->reject();
    });
}

} // namespace

TEST(FileChoice, EachLoadTypeOpensItsTitleAndFilterAndCancelLoadsNothing) {
    struct Case {
        COMMON::LOAD_DATA_TYPE type;
        int defaultFilterType;
        const char* title;
        int filterCount;
        int preselected;
    };
    const Case cases[] = {
        {COMMON::LDT_WELL_HEAD, 1, "加载井位", 1, 1},
        {COMMON::LDT_WELL_PATH, 1, "加载井数据", 1, 1},
        {COMMON::LDT_WELL_DATA, 6, "加载井数据", 4, 4}, // well data types count from 3
        {COMMON::LDT_WELL_DATA, 2, "加载井数据", 4, 1}, // but never below the first
    };
    for (const Case& c : cases) {
        CLoadData load(c.type);
        load.SetDefaultFilterFileType(c.defaultFilterType);
        FileDialogSeen seen;
        auto watch = CancelFileDialog(seen);
        EXPECT_FALSE(load.ReadFile());
        ASSERT_TRUE(watch->Fired());
        EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
        EXPECT_EQ(seen.filters.size(), c.filterCount);
        EXPECT_EQ(seen.filterIndex, c.preselected);
        EXPECT_TRUE(load.GetLoadFileName().empty());
    }
}
