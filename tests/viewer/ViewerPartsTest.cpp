// The viewer's parts on records made here: the path callback matches files
// to wells, the path view says which points it skipped and why and runs its
// section along the well's azimuth, descriptions get the fill of the rock
// they name, and the log tracks zoom about the depth under the mouse.
#include "LithologyColumn.h"
#include "LogTrackArea.h"
#include "PathPlotWidget.h"
#include "PathSink.h"
#include "WellPathView.h"

#include "welldata/LoadChoices.h"

#include <gtest/gtest.h>

namespace {

COMMON::STRUCT_WELL_HEAD Head(const wchar_t* name, double x, double y) {
    COMMON::STRUCT_WELL_HEAD head;
    head.strWellName = name;
    head.dX = x;
    head.dY = y;
    return head;
}

// TVD, DX, DY points going east, one of them holding a null marker.
COMMON::STRUCT_WELL_PATH EastwardPath() {
    COMMON::STRUCT_WELL_PATH path;
    path.nDataType = PATH_TVD_DX_DY;
    for (int i = 0; i < 5; ++i) {
        COMMON::STRUCT_WELL_PATH_POINT point;
        point.fInclOrDepth = 100.0f * static_cast<float>(i);
        point.uAzimOrX.fValue = 20.0f * static_cast<float>(i);
        point.uY.fValue = 0.0f;
        path.dqPoints.push_back(point);
    }
    path.dqPoints[2].uAzimOrX.fValue = welldata::kNullValue;
    return path;
}

} // namespace

TEST(PathSink, EachPathGoesToTheWellOfItsFileName) {
    COMMON::STRUCT_WELL_PATH path = EastwardPath();
    PathSink matching({Head(L"A1", 1, 2), Head(L"A2", 3, 4)});
    EXPECT_TRUE(matching.OnDataLoaded(L"a2.txt", path, 1, 3));
    EXPECT_FALSE(matching.OnDataLoaded(L"B7.txt", path, 2, 3));
    EXPECT_FALSE(matching.OnDataLoaded(L"A1.dev.txt", path, 3, 3));
    ASSERT_EQ(matching.Paths().size(), 1u);
    EXPECT_EQ(matching.Paths()[0].head->strWellName, L"A2");
    EXPECT_EQ(matching.Paths()[0].path.dqPoints.size(), 5u); // a copy: the library clears its own
    EXPECT_EQ(matching.Refused(), 2);

    int reported = 0;
    PathSink any({}, [&reported](int index, int count) { reported = index * 10 + count; });
    EXPECT_TRUE(any.OnDataLoaded(L"B7.txt", path, 2, 3));
    EXPECT_EQ(reported, 23);
    EXPECT_FALSE(any.Paths()[0].head.has_value());
}

TEST(WellPathView, SaysWhichPointsItSkippedAndDrawsTheSectionAlongTheAzimuth) {
    const std::vector<LoadedPath> paths{{L"east.txt", EastwardPath(), std::nullopt}};
    const WellPathView view(paths, {Head(L"A1", 1000, 2000)});
    const QString text = view.SkippedText();
    EXPECT_TRUE(text.contains(QStringLiteral("5 points, 4 drawn"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("point 3: a null value"))) << text.toStdString();

    welldata::WellPathPositions positions(EastwardPath(), welldata::WellHeadLocation{});
    EXPECT_NEAR(PathPlotWidget::MainAzimuth(positions.GetStations()), 90.0, 1e-9);
    EXPECT_EQ(PathPlotWidget::MainAzimuth({}), 0.0); // vertical: along north
}

TEST(LithologyColumn, EachDescriptionGetsTheFillOfTheRockItNamesFirst) {
    const LithologyColumn::Fill sandstone = LithologyColumn::FillFor(L"灰色细砂岩");
    const LithologyColumn::Fill mudstone = LithologyColumn::FillFor(L"深灰色泥岩");
    EXPECT_NE(sandstone.colour, mudstone.colour);
    struct Case {
        const wchar_t* description;
        const LithologyColumn::Fill& expected;
    };
    const Case cases[] = {
        {L"含砾粗砂岩", sandstone},     {L"灰色钙质细砂岩", sandstone},
        {L"黑色碳质泥岩", mudstone},    {L"grey SHALE, laminated", mudstone},
        {L"fine sandstone", sandstone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LithologyColumn::FillFor(c.description).colour, c.expected.colour)
            << QString::fromWCharArray(c.description).toStdString();
    }
    EXPECT_EQ(LithologyColumn::FillFor(L"煤层").pattern, Qt::SolidPattern);
    EXPECT_NE(LithologyColumn::FillFor(L"no rock named").colour, sandstone.colour);
}

TEST(LogTrackArea, ZoomsAboutADepthAndStaysWithinTheLog) {
    COMMON::STRUCT_WELL_CURVE log;
    log.lstCurves.resize(2);
    log.lstCurves.front().strName = log.lstCurves.front().strType = L"DEPTH";
    log.lstCurves.back().strName = log.lstCurves.back().strType = L"GR";
    for (int i = 0; i <= 1000; ++i) {
        log.lstCurves.front().vecValues.push_back(1000.0f + static_cast<float>(i));
        log.lstCurves.back().vecValues.push_back(static_cast<float>(i % 100));
    }
    LogTrackArea area(log);
    area.resize(600, 500);
    ASSERT_TRUE(area.HasPlot());
    const auto window = [&area] { return std::pair(area.WindowTop(), area.WindowBottom()); };
    EXPECT_EQ(window(), std::pair(1000.0, 2000.0));
    area.ZoomBy(0.1, 1500.0); // the middle depth stays in the middle
    EXPECT_EQ(window(), std::pair(1450.0, 1550.0));
    area.ZoomBy(0.5, 1450.0); // the top depth stays on top
    EXPECT_EQ(window(), std::pair(1450.0, 1500.0));
    area.SetWindow(1990.0, 2100.0); // past the end: back inside
    EXPECT_EQ(window(), std::pair(1890.0, 2000.0));
    for (int i = 0; i < 4; ++i)
        area.ZoomOut();
    EXPECT_EQ(window(), std::pair(1000.0, 2000.0));
}
