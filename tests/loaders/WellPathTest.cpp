#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

using COMMON::STRUCT_WELL_PATH_POINT;
using Slots = std::tuple<float, float, double, double>;

namespace {

class WellPathLoad : public testing::Test {
protected:
    // Columns: MD INCL AZIM TVD X Y
    bool Load(const std::string& rows, int dataType) {
        file.Write("MD INCL AZIM TVD X Y\n" + rows);
        loader.SetDataType(dataType);
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
    void ExpectFirst(const std::string& rows, int dataType, const Slots& slots) {
        ASSERT_TRUE(Load(rows, dataType));
        EXPECT_EQ(SlotsOf(0), slots) << "data type " << dataType;
    }
    const STRUCT_WELL_PATH_POINT& Point(size_t i) const { return path.dqPoints.at(i); }
    // MD, inclination or depth, then the two slots as the data type holds them;
    // an unused slot is read as a double, so that all its eight bytes count.
    Slots SlotsOf(size_t i) const {
        const STRUCT_WELL_PATH_POINT& p = Point(i);
        const bool doubles = path.nDataType == PATH_TVD_X_Y || path.nDataType == PATH_X_Y_Z;
        return {p.fMD, p.fInclOrDepth, doubles ? p.uAzimOrX.dValue : p.uAzimOrX.fValue,
                doubles || path.nDataType != PATH_TVD_DX_DY ? p.uY.dValue : p.uY.fValue};
    }

    testing_support::ScratchFile file;
    COMMON::STRUCT_WELL_PATH path;
    CWellPath loader{&file.reader, &path};
    testing_support::MessageCapture messages;
};

// Input field 0, 1 or 2 of a point of `type`, in that type's own slot and width.
void SetField(STRUCT_WELL_PATH_POINT& point, int type, int field, float value) {
    auto& slot = field == 1 ? point.uAzimOrX : point.uY;
    if (field == 0)
        point.fInclOrDepth = value;
    else if (type == PATH_TVD_X_Y || type == PATH_X_Y_Z)
        slot.dValue = value;
    else if (field == 1 || type == PATH_TVD_DX_DY)
        slot.fValue = value;
    else
        point.fMD = value;
}

} // namespace

TEST_F(WellPathLoad, EachDataTypeFillsItsSlotsFromTheRowsAfterTheHeader) {
    ASSERT_TRUE(Load("1 2 3 4 5 6\n7 8 9 10 11 12\n1 1 1 1 1 1\n2 2 2 2 2 2\n", PATH_TVD_X_Y));
    EXPECT_EQ(path.dqPoints.size(), 4u);
    EXPECT_EQ(path.nDataType, PATH_TVD_X_Y);
    EXPECT_EQ(SlotsOf(1), Slots(0, 10, 11, 12)); // no MD column asked for

    const std::string row = "100 2.5 300 95 20512345.123456789 4376210.987654321\n";
    ExpectFirst(row, PATH_MD_INCL_AZIM, Slots(100, 2.5, 300, 0));
    ExpectFirst(row, PATH_TVD_DX_DY, Slots(0, 95, 20512345.123456789f, 4376210.987654321f));
    ExpectFirst(row, PATH_TVD_X_Y, Slots(0, 95, 20512345.123456789, 4376210.987654321));
    // Z in the depth's place.
    ExpectFirst(row, PATH_X_Y_Z, Slots(0, 95, 20512345.123456789, 4376210.987654321));
}

TEST_F(WellPathLoad, UserNullValueWithinToleranceStopsTheLoad) {
    loader.SetHasNullValue(true);
    loader.SetNullValue(123.0f);
    ASSERT_TRUE(Load("1 2 3 123.002 5 6\n", PATH_TVD_X_Y));
    EXPECT_EQ(Point(0).fInclOrDepth, 123.002f);
    EXPECT_FALSE(Load("1 2 3 4 5 6\n1 2 3 123.0005 5 6\n1 2 3 4 5 6\n", PATH_TVD_X_Y));
    EXPECT_EQ(path.dqPoints.size(), 1u); // turned into a null marker and rejected as one
    EXPECT_TRUE(path.bHasNullValue);
    EXPECT_EQ(path.fNullValue, 123.0f);
    // Converted to feet, a null is no longer a marker.
    loader.SetNullValue(-5.0f);
    loader.SetConvertUnits(true);
    loader.SetDepthUnit(COMMON::COOR_UNIT_FT);
    ASSERT_TRUE(Load("1 2 3 -5 5 6\n", PATH_TVD_X_Y));
    EXPECT_FLOAT_EQ(Point(0).fInclOrDepth, -3047.6952f);
}

TEST_F(WellPathLoad, UnitConversionAndAzimuthTurnByDataType) {
    loader.SetConvertUnits(true);
    loader.SetDepthUnit(COMMON::COOR_UNIT_FT);
    loader.SetCoorUnit(COMMON::COOR_UNIT_CM);
    loader.SetHasMD(true);
    const std::string row = "1000 10 200 100 500 700\n";
    ExpectFirst(row, PATH_MD_INCL_AZIM, Slots(304.8f, 10, 200, 0)); // angles are not converted
    ExpectFirst(row, PATH_TVD_X_Y, Slots(304.8f, 30.48f, 5, 7));
    ExpectFirst(row, PATH_TVD_DX_DY, Slots(304.8f, 30.48f, 5, 7));
    loader.SetDepthUnit(9); // unknown codes convert nothing
    ExpectFirst(row, PATH_X_Y_Z, Slots(1000, 100, 5, 7));
    // Azimuths turn a quarter to true north, without wrapping, only where they are.
    loader.SetAzimuthToTrueNorth(true);
    ASSERT_TRUE(Load("1000 10 300 100 500 700\n", PATH_MD_INCL_AZIM));
    EXPECT_EQ(Point(0).uAzimOrX.fValue, 390.0f);
    ASSERT_TRUE(Load(row, PATH_TVD_DX_DY));
    EXPECT_FLOAT_EQ(Point(0).uAzimOrX.fValue, 5.0f);
}

TEST_F(WellPathLoad, MissingColumnsReadZeroAndFailedLoadsKeepThePoints) {
    ASSERT_TRUE(Load("1 2 3 4 5 6\n", PATH_TVD_X_Y));
    loader.SetXColumn(0xFFFF);
    ASSERT_TRUE(loader.LoadPath());
    EXPECT_EQ(Point(0).uAzimOrX.dValue, 0.0);
    EXPECT_FALSE(CWellPath(nullptr, &path).LoadPath());
    file.Write("MD TVD\n");
    EXPECT_FALSE(loader.LoadPath());
    EXPECT_EQ(path.dqPoints.size(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_TRUE(Load("1 2 3 4 5 6\n", PATH_LOG_MD_INCL_AZIM)); // rows of type 4 are skipped
    EXPECT_TRUE(path.dqPoints.empty());
}

TEST(WellPathNullMarkers, RejectedInEveryInputFieldOfEveryDataType) {
    // -999 and -9999, bare or with .25, .2505 or .125, are nulls; near misses are values.
    const std::vector<float> nulls{-9999, -999, -999.25, -999.2505f, -999.125, -9999.25, -9999.125};
    for (bool valid : {false, true})
        for (float value : valid ? std::vector<float>{-999.2f, -999.0001f, -9998, 0} : nulls)
            for (int type : {0, 1, 2, 3, 4})
                for (int field = 0; field < 3; ++field) {
                    STRUCT_WELL_PATH_POINT point;
                    SetField(point, type, field, value);
                    EXPECT_EQ(CWellPath::IsValidPathPoint(type, point), valid)
                        << "type " << type << " field " << field << " value " << value;
                }
    STRUCT_WELL_PATH_POINT point;
    point.fMD = -9999.0f;
    EXPECT_TRUE(CWellPath::IsValidPathPoint(5, point)); // unknown data types are always valid
}
