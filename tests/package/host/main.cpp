// Loads two LAS files by name on two load objects, carrying the unit answer of
// the first to the second, and prints the curves. Exits 0 when the library
// behaved as a host expects.
#include <welldata/CLoadData.h>
#include <welldata/MessageBox.h>
#include <welldata/UnitQuestion.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FEET_LAS OTHER_LAS\n", argv[0]);
        return 2;
    }
    int questions = 0;
    welldata::SetUnitQuestionHandler([&questions](const std::wstring&, welldata::UnitAnswer& a) {
        ++questions;
        a.dontAskAgain = true;
        return true;
    });
    int messages = 0;
    welldata::SetMessageHandler([&messages](const welldata::MessageRequest&) {
        ++messages;
        return welldata::MessageResult::Ok;
    });

    bool settled = false;
    COMMON::ENUM_COOR_UNIT coor = COMMON::COOR_UNIT_M, depth = COMMON::COOR_UNIT_M;
    for (int file = 1; file <= 2; ++file) {
        CLoadData data(COMMON::LDT_WELL_DATA);
        data.SetWellCurveUnitsInfo(settled, coor, depth);
        std::wstring path(argv[file], argv[file] + std::string(argv[file]).size());
        if (!data.ReadFile(path)) {
            std::fprintf(stderr, "loading %s failed\n", argv[file]);
            return 1;
        }
        data.GetWellCurveUnitsInfo(settled, coor, depth);
        for (const auto& curve : data.GetWellLog().lstCurves)
            std::printf("%ls [%ls] %zu values, first %g\n", curve.strName.c_str(),
                        curve.strUnit.c_str(), curve.vecValues.size(),
                        curve.vecValues.empty() ? 0.0 : curve.vecValues.front());
    }
    std::printf("questions asked: %d, messages: %d, depth unit %d\n", questions, messages, depth);
    return (questions == 1 && messages == 0 && settled && depth == COMMON::COOR_UNIT_FT) ? 0 : 1;
}
