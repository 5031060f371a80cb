#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using COMMON::STRUCT_WELL_PATH_POINT;
using Slots = std::tuple<float, float, double, double>;

namespace {

class WellPathLoad : public testing::Test {
protected:
    // Columns: MD INCL AZIM TVD X Y, with Z and DX, DY in the places of TVD and X, Y.
    WellPathLoad() { choices.columns = {1, 2, 3, 4, 5, 6, 5, 6, 4}; }
    bool Load(const std::string& rows, int dataType) {
        file.Write("MD INCL AZIM TVD X Y\n" + rows);
        choices.dataType = dataType;
        loader.TakeChoices(choices);
        return loader.LoadPath();
    }
    // MD, inclination or depth, then the two slots as the data type holds them.
    Slots First(const std::string& rows, int dataType) {
        EXPECT_TRUE(Load(rows, dataType));
        const STRUCT_WELL_PATH_POINT& p = path.dqPoints.at(0);
        const bool doubles = dataType == PATH_TVD_X_Y || dataType == PATH_X_Y_Z;
        return {p.fMD, p.fInclOrDepth, doubles ? p.uAzimOrX.dValue : p.uAzimOrX.fValue,
                doubles ? p.uY.dValue : p.uY.fValue};
    }

    testing_support::ScratchFile file;
    COMMON::STRUCT_WELL_PATH path;
    CWellPath loader{&file.reader, &path};
    welldata::PathColumnAssignment choices;
    testing_support::MessageCapture messages;
};

} // namespace

TEST_F(WellPathLoad, UnitConversionAndAzimuthTurnByDataType) {
    choices.convertUnits = choices.hasMd = true;
    choices.depthUnit = COMMON::COOR_UNIT_FT;
    choices.coordinateUnit = COMMON::COOR_UNIT_CM;
    const std::string row = "1000 10 200 100 500 700\n";
    EXPECT_EQ(First(row, PATH_MD_INCL_AZIM), Slots(304.8f, 10, 200, 0)); // angles stay
    EXPECT_EQ(First(row, PATH_TVD_X_Y), Slots(304.8f, 30.48f, 5, 7));
    EXPECT_EQ(First(row, PATH_TVD_DX_DY), Slots(304.8f, 30.48f, 5, 7));
    choices.convertUnits = false; // units handed over without the box convert nothing
    EXPECT_EQ(First(row, PATH_TVD_DX_DY), Slots(1000, 100, 500, 700));
    choices.convertUnits = true;
    choices.depthUnit = static_cast<COMMON::ENUM_COOR_UNIT>(9); // unknown codes convert nothing
    EXPECT_EQ(First(row, PATH_X_Y_Z), Slots(1000, 100, 5, 7));
    // Azimuths turn a quarter to true north, without wrapping, only where they are.
    choices.azimuthTrueNorth = true;
    EXPECT_EQ(std::get<2>(First("1000 10 300 100 500 700\n", PATH_MD_INCL_AZIM)), 390.0);
    EXPECT_FLOAT_EQ(float(std::get<2>(First(row, PATH_TVD_DX_DY))), 5.0f);
    // Converted to feet, a null is no longer a marker.
    choices.depthUnit = COMMON::COOR_UNIT_FT;
    choices.hasNullValue = true;
    choices.nullValue = -5.0f;
    EXPECT_FLOAT_EQ(std::get<1>(First("1 2 3 -5 5 6\n", PATH_TVD_X_Y)), -3047.6952f);
}

TEST(WellPathNullMarkers, RejectedInEveryInputFieldOfEveryDataType) {
    // -999 and -9999, bare or with .25, .2505 or .125, are nulls; near misses are values.
    const std::vector<float> nulls{-9999, -999, -999.2505f, -9999.25, -999.125};
    for (bool valid : {false, true})
        for (float value : valid ? std::vector<float>{-999.2f, -999.0001f, -9998} : nulls)
            for (int type : {0, 1, 2, 3, 4})
                for (int field = 0; field < 3; ++field) {
                    STRUCT_WELL_PATH_POINT point;
                    const bool doubles = type == PATH_TVD_X_Y || type == PATH_X_Y_Z;
                    auto& slot = field == 1 ? point.uAzimOrX : point.uY;
                    if (field == 0)
                        point.fInclOrDepth = value;
                    else if (doubles)
                        slot.dValue = value;
                    else if (field == 1 || type == PATH_TVD_DX_DY)
                        slot.fValue = value;
                    else
                        point.fMD = value; // the MD of the survey layouts
                    EXPECT_EQ(CWellPath::IsValidPathPoint(type, point), valid)
                        << "type " << type << " field " << field << " value " << value;
                }
}
