// The well path loader: columns by data type, null values and markers, units,
// azimuth quarter turn, progress.
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using testing_support::FakeProgressCtrl;
using testing_support::MessageCapture;
using testing_support::ScratchDir;

namespace {

const wchar_t* const kNullMessage = L"轨迹数据中含有空值，请检查之后重试。";

class WellPathLoad : public testing::Test {
protected:
    // Columns: MD INCL AZIM TVD X Y
    bool Load(const std::string& rows, int dataType) {
        reader.SetFilePath(dir.Write("path.txt", "MD INCL AZIM TVD X Y\n" + rows));
        loader.SetDataType(dataType);
        loader.SetMDColumn(0);
        loader.SetINCLColumn(1);
        loader.SetAZIMColumn(2);
        loader.SetTVDColumn(3);
        loader.SetXColumn(4);
        loader.SetYColumn(5);
        loader.SetDXColumn(4);
        loader.SetDYColumn(5);
        loader.SetZColumn(3);
        return loader.LoadPath();
    }
    const COMMON::STRUCT_WELL_PATH_POINT& Point(size_t i) const { return path.dqPoints.at(i); }

    ScratchDir dir;
    CDataFileReader reader;
    COMMON::STRUCT_WELL_PATH path;
    CWellPath loader{&reader, &path};
    MessageCapture messages;
};

} // namespace

TEST_F(WellPathLoad, HeaderRowAndFourDataRows) {
    ASSERT_TRUE(Load("1 2 3 4 5 6\n7 8 9 10 11 12\n1 1 1 1 1 1\n2 2 2 2 2 2\n", PATH_TVD_X_Y));
    ASSERT_EQ(path.dqPoints.size(), 4u);
    EXPECT_EQ(path.nDataType, PATH_TVD_X_Y);
    EXPECT_EQ(Point(1).fInclOrDepth, 10.0f);
    EXPECT_EQ(Point(1).uAzimOrX.dValue, 11.0);
    EXPECT_EQ(Point(1).uY.dValue, 12.0);
    EXPECT_EQ(Point(1).fMD, 0.0f); // no MD column asked for
}

TEST_F(WellPathLoad, EachDataTypeFillsItsSlots) {
    const std::string row = "100 2.5 300 95 20512345.123456789 4376210.987654321\n";
    ASSERT_TRUE(Load(row, PATH_MD_INCL_AZIM));
    EXPECT_EQ(Point(0).fMD, 100.0f);
    EXPECT_EQ(Point(0).fInclOrDepth, 2.5f);
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 300.0f);
    EXPECT_EQ(Point(0).uY.dValue, 0.0); // slot 4 unused: all eight bytes zero

    ASSERT_TRUE(Load(row, PATH_TVD_DX_DY));
    EXPECT_EQ(Point(0).fInclOrDepth, 95.0f);
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 20512345.123456789f);
    EXPECT_EQ(Point(0).uY.fValue, 4376210.987654321f);

    ASSERT_TRUE(Load(row, PATH_TVD_X_Y));
    EXPECT_EQ(Point(0).uAzimOrX.dValue, 20512345.123456789);
    EXPECT_EQ(Point(0).uY.dValue, 4376210.987654321);

    ASSERT_TRUE(Load(row, PATH_X_Y_Z));
    EXPECT_EQ(Point(0).fInclOrDepth, 95.0f); // Z
    EXPECT_EQ(Point(0).uAzimOrX.dValue, 20512345.123456789);
}

TEST_F(WellPathLoad, CopiesKeepDoublesBitForBit) {
    ASSERT_TRUE(Load("1 2 3 4 0.1 0.30000000000000004\n", PATH_TVD_X_Y));
    const COMMON::STRUCT_WELL_PATH copy = path;
    EXPECT_EQ(std::memcmp(&copy.dqPoints[0], &path.dqPoints[0], sizeof(path.dqPoints[0])), 0);
}

TEST_F(WellPathLoad, UserNullValueWithinToleranceStopsTheLoad) {
    loader.SetHasNullValue(true);
    loader.SetNullValue(123.0f);
    ASSERT_TRUE(Load("1 2 3 123.002 5 6\n", PATH_TVD_X_Y));
    EXPECT_EQ(Point(0).fInclOrDepth, 123.002f);
    EXPECT_FALSE(Load("1 2 3 4 5 6\n1 2 3 123.0005 5 6\n1 2 3 4 5 6\n", PATH_TVD_X_Y));
    EXPECT_EQ(messages.Single(), kNullMessage);
    EXPECT_EQ(path.dqPoints.size(), 1u); // the points before the bad row stay
    EXPECT_TRUE(path.bHasNullValue);
    EXPECT_EQ(path.fNullValue, 123.0f);
}

TEST_F(WellPathLoad, NullConvertedToFeetIsNoLongerAMarker) {
    loader.SetHasNullValue(true);
    loader.SetNullValue(-5.0f);
    loader.SetConvertUnits(true);
    loader.SetDepthUnit(COMMON::COOR_UNIT_FT);
    ASSERT_TRUE(Load("1 2 3 -5 5 6\n", PATH_TVD_X_Y));
    EXPECT_FLOAT_EQ(Point(0).fInclOrDepth, -3047.6952f);
}

TEST_F(WellPathLoad, UnitConversionByDataType) {
    loader.SetConvertUnits(true);
    loader.SetDepthUnit(COMMON::COOR_UNIT_FT);
    loader.SetCoorUnit(COMMON::COOR_UNIT_CM);
    loader.SetHasMD(true);
    ASSERT_TRUE(Load("1000 10 200 100 500 700\n", PATH_MD_INCL_AZIM));
    EXPECT_FLOAT_EQ(Point(0).fMD, 304.8f);
    EXPECT_EQ(Point(0).fInclOrDepth, 10.0f); // angles are not converted
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 200.0f);

    ASSERT_TRUE(Load("1000 10 200 100 500 700\n", PATH_TVD_X_Y));
    EXPECT_FLOAT_EQ(Point(0).fMD, 304.8f);
    EXPECT_FLOAT_EQ(Point(0).fInclOrDepth, 30.48f);
    EXPECT_DOUBLE_EQ(Point(0).uAzimOrX.dValue, 5.0);
    EXPECT_DOUBLE_EQ(Point(0).uY.dValue, 7.0);

    ASSERT_TRUE(Load("1000 10 200 100 500 700\n", PATH_TVD_DX_DY));
    EXPECT_FLOAT_EQ(Point(0).uAzimOrX.fValue, 5.0f);

    loader.SetDepthUnit(9); // unknown codes convert nothing
    ASSERT_TRUE(Load("1000 10 200 100 500 700\n", PATH_X_Y_Z));
    EXPECT_EQ(Point(0).fInclOrDepth, 100.0f);
}

TEST_F(WellPathLoad, AzimuthQuarterTurnWithoutWrap) {
    loader.SetAzimuthToTrueNorth(true);
    ASSERT_TRUE(Load("1000 10 300 1 1 1\n", PATH_MD_INCL_AZIM));
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 390.0f);
    ASSERT_TRUE(Load("1000 10 300 1 1 1\n", PATH_TVD_DX_DY)); // only data type 0 turns
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 1.0f);
}

TEST_F(WellPathLoad, BadCellsAreZeroAndMissingColumnsNeverFound) {
    ASSERT_TRUE(Load("1 2 3 abc 5 6\n", PATH_TVD_X_Y));
    EXPECT_EQ(Point(0).fInclOrDepth, 0.0f);
    loader.SetXColumn(0xFFFF);
    ASSERT_TRUE(loader.LoadPath());
    EXPECT_EQ(Point(0).uAzimOrX.dValue, 0.0);
    ASSERT_TRUE(Load("1 2 3 4 5 6\n", PATH_LOG_MD_INCL_AZIM)); // rows of type 4 are skipped
    EXPECT_TRUE(path.dqPoints.empty());
}

TEST_F(WellPathLoad, EmptyTableAndMissingReaderFail) {
    ASSERT_TRUE(Load("1 2 3 4 5 6\n", PATH_TVD_X_Y));
    reader.SetFilePath(dir.Write("empty.txt", "MD TVD\n"));
    EXPECT_FALSE(loader.LoadPath());
    EXPECT_EQ(path.dqPoints.size(), 1u); // previous points stay
    CWellPath orphan(nullptr, &path);
    EXPECT_FALSE(orphan.LoadPath());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellPathLoad, ProgressStepsOncePerRowPlusOne) {
    FakeProgressCtrl bar;
    reader.SetProgressCtrl(&bar);
    const std::string rows = "1 2 3 4 5 6\n1 2 3 4 5 6\n1 2 3 4 5 6\n";
    ASSERT_TRUE(Load(rows, PATH_TVD_X_Y));
    const size_t fileSize = rows.size() + std::strlen("MD INCL AZIM TVD X Y\n");
    const int readSteps = static_cast<int>(fileSize / (fileSize / 20));
    // The read's own steps and its parse (3 * 21), then the load: 3 * (60 / 3 + 1).
    EXPECT_EQ(bar.totalSteps - readSteps - 63, 63);
}

TEST_F(WellPathLoad, CopiedSettingsKeepTheirOwnRecord) {
    loader.SetHasMD(true);
    loader.SetMDColumn(4);
    COMMON::STRUCT_WELL_PATH other;
    CDataFileReader otherReader;
    CWellPath copy(&otherReader, &other);
    copy.CopySettingsFrom(loader);
    otherReader.SetFilePath(dir.Write("o.txt", "A B C D E F\n1 2 3 4 5 6\n"));
    ASSERT_TRUE(copy.LoadPath());
    EXPECT_EQ(other.dqPoints.at(0).fMD, 5.0f);
    EXPECT_TRUE(path.dqPoints.empty());
}

struct MarkerCase {
    float value;
    bool valid;
};

class NullMarkers : public testing::TestWithParam<MarkerCase> {};

TEST_P(NullMarkers, RejectedInEveryInputFieldOfEveryDataType) {
    const MarkerCase c = GetParam();
    for (int type : {0, 1, 2, 3, 4}) {
        for (int field = 0; field < 3; ++field) {
            COMMON::STRUCT_WELL_PATH_POINT point;
            const bool doubles = type == 2 || type == 3;
            switch (field) {
            case 0:
                point.fInclOrDepth = c.value;
                break;
            case 1:
                if (doubles)
                    point.uAzimOrX.dValue = c.value;
                else
                    point.uAzimOrX.fValue = c.value;
                break;
            default:
                if (type == 0 || type == 4)
                    point.fMD = c.value;
                else if (doubles)
                    point.uY.dValue = c.value;
                else
                    point.uY.fValue = c.value;
            }
            EXPECT_EQ(CWellPath::IsValidPathPoint(type, point), c.valid)
                << "type " << type << " field " << field << " value " << c.value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Markers, NullMarkers,
                         testing::Values(MarkerCase{-9999.0f, false}, MarkerCase{-999.0f, false},
                                         MarkerCase{-999.25f, false}, MarkerCase{-999.2505f, false},
                                         MarkerCase{-999.125f, false}, MarkerCase{-9999.25f, false},
                                         MarkerCase{-9999.125f, false}, MarkerCase{-999.2f, true},
                                         MarkerCase{-999.0001f, true}, MarkerCase{-9998.0f, true},
                                         MarkerCase{0.0f, true}));

TEST(NullMarkersOutsideTypes, UnknownDataTypeIsAlwaysValid) {
    COMMON::STRUCT_WELL_PATH_POINT point;
    point.fMD = -9999.0f;
    EXPECT_TRUE(CWellPath::IsValidPathPoint(5, point));
}
