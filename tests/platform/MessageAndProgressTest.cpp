#include "platform/StepProgress.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::FakeProgressCtrl;

TEST(MessageDispatcher, InstalledHandlerReceivesEveryMessage) {
    testing_support::MessageCapture capture;
    welldata::ShowInformation(L"一", welldata::MessageOwner::Dialog);
    welldata::ShowApplicationMessage(L"二");
    ASSERT_EQ(capture.Count(), 2u);
    EXPECT_EQ(capture.Messages()[0].caption, L"Welvorax");
    EXPECT_EQ(capture.Messages()[0].icon, welldata::MessageIcon::Information);
    EXPECT_EQ(capture.Messages()[0].owner, welldata::MessageOwner::Dialog);
    EXPECT_EQ(capture.Messages()[1].caption, welldata::kApplicationTitle);
    EXPECT_EQ(capture.Messages()[1].owner, welldata::MessageOwner::ApplicationBox);
}

TEST(MessageDispatcher, DefaultWritesToStandardError) {
    testing::internal::CaptureStderr();
    welldata::ShowInformation(L"打开文件失败。");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Welvorax: 打开文件失败。\n");
}

TEST(StepProgress, StepsAboutThirtyPercentOfTheRange) {
    const struct {
        int lower, upper;
        long long items;
        bool extraStep;
        int steps;
    } cases[] = {
        {0, 200, 1000, true, 63},                          // stride 16: 0,16,..,992
        {0, 200, 120, false, 60},                          // stride 2
        {0, 200, 10, true, 70},                            // 60/10 + 1 per item
        {0, 200, 10, false, 60},   {0, 200, 7, false, 56}, // 60/7 = 8 per item
        {0, 200, 0, true, 0},                              // nothing to do
        {0, 3, 50, true, 0},                               // a range below 4 has no steps
        {5, 5, 50, true, 0},       {10, 0, 50, true, 0},   // empty and inverted ranges
        {0, 10, 1000000, true, 4},                         // stride 333333
    };
    for (const auto& c : cases) {
        FakeProgressCtrl bar;
        bar.SetRange(c.lower, c.upper);
        StepProgress progress(&bar, c.items, c.extraStep);
        for (long long i = 0; i < c.items; ++i)
            progress.Advance(i);
        EXPECT_EQ(bar.totalSteps, c.steps) << c.lower << ".." << c.upper << " " << c.items;
    }
    StepProgress none(nullptr, 10, true);
    none.Advance(0);
    FakeProgressCtrl hidden;
    hidden.hasWindow = false;
    StepProgress(&hidden, 10, true).Advance(0);
    EXPECT_EQ(hidden.totalSteps, 0);
}
