// A library built without its dialogs (the core programs here are) still has
// the interactive entry points: each refuses and says why, so a host written
// for the full library links, runs and learns why nothing loaded.
#include "welldata/CLoadData.h"
#include "welldata/MessageBox.h"

#include <gtest/gtest.h>

TEST(WithoutDialogs, EveryInteractiveEntryPointRefusesAndSaysWhy) {
    std::vector<std::wstring> shown;
    const welldata::ScopedMessageHandler handler([&shown](const welldata::MessageRequest& request) {
        shown.push_back(request.text);
        return welldata::MessageResult::Ok;
    });
    CLoadData load(COMMON::LDT_WELL_PATH);
    std::wstring wisPath = L"kept.wis";
    std::vector<std::wstring> names{L"DEPTH"};
    const std::vector<std::wstring> givenNames = names;
    EXPECT_FALSE(load.ReadFile());
    EXPECT_FALSE(load.ReadFile(nullptr));
    EXPECT_FALSE(load.ReadFileWis(wisPath));
    EXPECT_FALSE(load.ReadFileMuilti(names, false));

    const std::wstring why = L"此版本的库不含导入对话框，不能交互加载数据；请按文件名加载。";
    EXPECT_EQ(shown, std::vector<std::wstring>(4, why));
    EXPECT_EQ(load.GetLastFailure().error, welldata::LoadError::NoDialogs);
    EXPECT_EQ(load.GetLastFailure().message, why);
    EXPECT_TRUE(wisPath == L"kept.wis" && names == givenNames);
    EXPECT_TRUE(load.GetWellPath().dqPoints.empty());
}
