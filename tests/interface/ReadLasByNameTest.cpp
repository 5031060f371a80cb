// Loading LAS by name: the unit question and its answer carried on (bad files: robustness).
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/UnitQuestion.h"

#include <gtest/gtest.h>

using namespace COMMON;

static std::string LasFile(const std::string& depthUnit, const std::string& xUnit) {
    return "~V\n VERS. 2.0 :\n WRAP. NO :\n~W\n NULL. -999.25 :\n~C\n DEPT." + depthUnit +
           " : depth\n X ." + xUnit + " : x\n GR .API : gamma\n~A\n1000 10 -999.25\n1001 20 55\n";
}

static const STRUCT_CURVE_ITEM& Curve(CLoadData& data, const std::wstring& name) {
    for (const auto& curve : data.GetWellLog().lstCurves)
        if (curve.strName == name)
            return curve;
    throw std::runtime_error("no such curve");
}

class ReadLasByName : public testing::Test {
protected:
    testing_support::ScratchDir dir;
    std::vector<welldata::UnitAnswer> questions;
    welldata::UnitAnswer reply;
    bool acceptReply = true;
    welldata::ScopedUnitQuestionHandler handler{
        [this](const std::wstring&, welldata::UnitAnswer& answer) {
            questions.push_back(answer);
            answer = reply;
            return acceptReply;
        }};
};

TEST_F(ReadLasByName, FeetAskOnceAndTheAnswerCarriesToTheNextObject) {
    std::wstring feet = dir.Write("feet.las", LasFile("ft", "M"));
    reply = {COOR_UNIT_M, COOR_UNIT_FT, true};
    CLoadData first(LDT_WELL_DATA);
    ASSERT_TRUE(first.ReadFile(feet));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(std::tie(questions[0].depthUnit, questions[0].coorUnit),
              std::make_tuple(COOR_UNIT_FT, COOR_UNIT_M)); // the file's own units
    EXPECT_FLOAT_EQ(Curve(first, L"DEPTH").vecValues[0], 304.8f);
    EXPECT_EQ(Curve(first, L"DEPTH").strUnit, L"M");
    EXPECT_EQ(Curve(first, L"X").vecValues[0], 10.0f); // metres already; unit still rewritten

    bool settled = false;
    ENUM_COOR_UNIT coor{}, depthUnit{};
    first.GetWellCurveUnitsInfo(settled, coor, depthUnit);
    CLoadData second(LDT_WELL_DATA);
    second.SetWellCurveUnitsInfo(settled, coor, depthUnit);
    std::wstring other = dir.Write("other.las", LasFile("M", "M"));
    ASSERT_TRUE(second.ReadFile(other));
    EXPECT_EQ(questions.size(), 1u); // settled: not asked again, still converted from feet
    EXPECT_FLOAT_EQ(Curve(second, L"DEPTH").vecValues[0], 304.8f);
}

TEST_F(ReadLasByName, CancelKeepsTheFileUnitsAndMetreAnswersConvertNothing) {
    std::wstring inches = dir.Write("in.las", LasFile("IN", "CM"));
    acceptReply = false;
    CLoadData cancelled(LDT_WELL_DATA);
    ASSERT_TRUE(cancelled.ReadFile(inches));
    EXPECT_FLOAT_EQ(Curve(cancelled, L"DEPTH").vecValues[0], 25.4f);
    EXPECT_FLOAT_EQ(Curve(cancelled, L"X").vecValues[0], 0.1f);

    acceptReply = true;
    reply = {COOR_UNIT_M, COOR_UNIT_M, false};
    CLoadData metre(LDT_WELL_DATA);
    ASSERT_TRUE(metre.ReadFile(inches));
    EXPECT_EQ(Curve(metre, L"DEPTH").vecValues[0], 1000.0f);
    EXPECT_EQ(Curve(metre, L"DEPTH").strUnit, L"IN");
}
