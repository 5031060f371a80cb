#include "platform/QuietMessages.h"
#include "platform/StepProgress.h"
#include "support/TestSupport.h"
#include "welldata/MessageBox.h"

#include <gtest/gtest.h>

#include <thread>

using testing_support::FakeProgressCtrl;

TEST(MessageDispatcher, InstalledHandlerReceivesEveryMessageElseStandardError) {
    {
        testing_support::MessageCapture capture;
        welldata::ShowInformation(L"一", welldata::MessageOwner::Dialog);
        welldata::ShowApplicationMessage(L"二");
        const auto& m = capture.Messages();
        ASSERT_EQ(capture.Count(), 2u);
        EXPECT_EQ(m[0].caption, L"Welvorax");
        EXPECT_EQ(m[0].icon, welldata::MessageIcon::Information);
        EXPECT_EQ(m[0].owner, welldata::MessageOwner::Dialog);
        EXPECT_EQ(m[1].caption, welldata::kApplicationTitle);
        EXPECT_EQ(m[1].owner, welldata::MessageOwner::ApplicationBox);
    }
    testing::internal::CaptureStderr();
    welldata::ShowInformation(L"打开文件失败。");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Welvorax: 打开文件失败。\n");
}

TEST(StepProgress, StepsAboutThirtyPercentOfTheRange) {
    // Range, items, whether each item may step once more, and the steps made.
    const std::tuple<int, int, long long, bool, int> cases[] = {
        {0, 200, 1000, true, 63},  // stride 16: 0,16,..,992
        {0, 200, 120, false, 60},  // stride 2
        {0, 200, 10, true, 70},    // 60/10 + 1 per item
        {0, 200, 7, false, 56},    // 60/7 = 8 per item
        {0, 3, 50, true, 0},       // a range below 4 has no steps
        {10, 0, 50, true, 0},      // an inverted range
        {0, 10, 1000000, true, 4}, // stride 333333
    };
    for (const auto& [lower, upper, items, extraStep, steps] : cases) {
        FakeProgressCtrl bar;
        bar.SetRange(lower, upper);
        StepProgress progress(&bar, items, extraStep);
        for (long long i = 0; i < items; ++i)
            progress.Advance(i);
        EXPECT_EQ(bar.totalSteps, steps) << lower << ".." << upper << " " << items;
    }
    FakeProgressCtrl hidden;
    hidden.hasWindow = false;
    StepProgress(&hidden, 10, true).Advance(0);
    EXPECT_EQ(hidden.totalSteps, 0);
}

// A headless load quiets its own thread only: a host's GUI thread (or another
// load) keeps its messages while a background load runs.
TEST(MessageDispatcher, ScopedHandlersNestAndQuietMessagesStayOnTheirThread) {
    std::vector<std::wstring> outer, inner;
    const auto into = [](std::vector<std::wstring>& texts) {
        return [&texts](const welldata::MessageRequest& request) {
            texts.push_back(request.text);
            return welldata::MessageResult::Ok;
        };
    };
    const welldata::ScopedMessageHandler first(into(outer));
    {
        const welldata::ScopedMessageHandler second(into(inner));
        welldata::ShowInformation(L"a");
    }
    welldata::ShowInformation(L"b");
    {
        const welldata::QuietMessages quiet;
        welldata::ShowInformation(L"hidden");
        std::thread([] { welldata::ShowInformation(L"c"); }).join();
    }
    EXPECT_EQ(inner, std::vector<std::wstring>{L"a"});
    EXPECT_EQ(outer, (std::vector<std::wstring>{L"b", L"c"}));
}
