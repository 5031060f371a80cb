// A host built against the installed package only: it loads every kind of
// file headless, LAS files by name with the unit answer carried from one load
// object to the next, and checks the records. Exits 0 when the library behaved
// as a host expects; prints what went wrong otherwise.
#include <welldata/CLoadData.h>
#include <welldata/MessageBox.h>
#include <welldata/Settings.h>
#include <welldata/TablePreview.h>
#include <welldata/UnitQuestion.h>
#include <welldata/Utf8.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

int g_failures = 0;

void Expect(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "FAILED: %s\n", what.c_str());
        ++g_failures;
    }
}

std::wstring Path(const std::string& folder, const std::string& name) {
    return welldata::FromUtf8(folder + "/" + name);
}

void LoadLasFilesByName(const std::string& samples) {
    int questions = 0;
    const welldata::ScopedUnitQuestionHandler answer(
        [&questions](const std::wstring&, welldata::UnitAnswer& a) {
            ++questions;
            a.dontAskAgain = true;
            return true;
        });
    bool settled = false;
    COMMON::ENUM_COOR_UNIT coor = COMMON::COOR_UNIT_M, depth = COMMON::COOR_UNIT_M;
    for (const char* file : {"well_log_feet.las", "well_log.las"}) {
        CLoadData data(COMMON::LDT_WELL_DATA);
        data.SetWellCurveUnitsInfo(settled, coor, depth);
        Expect(data.ReadFile(Path(samples, file)), std::string("LAS by name: ") + file);
        data.GetWellCurveUnitsInfo(settled, coor, depth);
        const CLoadData& loaded = data;
        Expect(!loaded.GetWellLog().lstCurves.empty() && !loaded.GetLasHeader().empty(),
               std::string("curves and header of ") + file);
    }
    Expect(questions == 1 && settled && depth == COMMON::COOR_UNIT_FT, "the unit answer carried");
}

void LoadTables(const std::string& samples, const std::string& scratch) {
    using welldata::TableKind;
    CLoadData data(COMMON::LDT_WELL_DATA);
    const std::wstring log = Path(samples, "well_log.txt");
    Expect(data.ReadFile(log, welldata::SuggestWellLogChoices(
                                  welldata::PreviewTable(log, TableKind::WellLog))),
           "log table");
    const auto& curves = data.GetWellLog().lstCurves;
    Expect(curves.size() == 10 && curves.front().vecValues.size() == 240, "10 curves of 240");

    const std::wstring heads = Path(samples, "well_heads.txt");
    Expect(data.ReadFile(heads, welldata::SuggestWellHeadChoices(
                                    welldata::PreviewTable(heads, TableKind::WellHead))),
           "well heads");
    Expect(data.GetWellHead().size() == 12 && data.GetWellHead().front().strWellName == L"A1",
           "12 wells, A1 first");

    const std::wstring analysis = Path(samples, "rock_core_analysis.txt");
    Expect(data.ReadFile(analysis, welldata::SuggestCoreAnalysisChoices(
                                       welldata::PreviewTable(analysis, TableKind::CoreAnalysis))),
           "rock core analysis");
    Expect(data.GetRockCoreAnalyse().size() == 5 &&
               data.GetRockCoreAnalyse().back().vecValues.size() == 30,
           "5 columns of 30 samples");

    const std::wstring describe = Path(samples, "rock_core_describe.txt");
    Expect(data.ReadFile(describe, welldata::SuggestCoreDescriptionChoices(welldata::PreviewTable(
                                       describe, TableKind::CoreDescription))),
           "rock core description");
    Expect(data.GetRockCoreDescribe().lstItems.size() == 12 &&
               data.GetRockCoreDescribe().strColumnName == L"岩性",
           "12 intervals under 岩性");

    // A well path in every layout, from one table that holds them all.
    const std::string table = scratch + "/path.txt";
    std::ofstream(table) << "MD INCL AZIM TVD DX DY X Y Z\n"
                            "1000 1 300 999 2 3 20512345.25 4376210.5 -990\n"
                            "1010 2 301 1009 4 5 20512346.25 4376211.5 -1009\n";
    for (std::int32_t type = PATH_MD_INCL_AZIM; type <= PATH_X_Y_Z; ++type) {
        const welldata::PathColumnAssignment assignment = welldata::SuggestPathAssignment(
            welldata::PreviewTable(welldata::FromUtf8(table), TableKind::WellPath), type);
        Expect(data.ReadFile(welldata::FromUtf8(table), assignment),
               "path layout " + std::to_string(type));
        const COMMON::STRUCT_WELL_PATH& path = data.GetWellPath();
        double last = 0;
        for (welldata::PathColumn column : welldata::PathPointColumns(type, assignment.hasMd))
            last = welldata::PathPointValue(path.dqPoints.back(), type, column);
        const double expected[] = {301, 5, 4376211.5, -1009};
        Expect(path.dqPoints.size() == 2 && path.nDataType == type && last == expected[type],
               "the last value of the last point, layout " + std::to_string(type));
    }

    Expect(!data.ReadFile(Path(scratch, "missing.txt"), welldata::CoreAnalysisChoices()) &&
               data.GetLastFailure().error == welldata::LoadError::CannotOpen &&
               data.GetLastFailure().message == L"打开文件失败。",
           "a missing file says why");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAMPLES_DIR SCRATCH_DIR\n", argv[0]);
        return 2;
    }
    int messages = 0;
    const welldata::ScopedMessageHandler count([&messages](const welldata::MessageRequest&) {
        ++messages;
        return welldata::MessageResult::Ok;
    });
    welldata::SetSettingsFilePath(Path(argv[1], "welldata.well_attri.ini"));
    LoadLasFilesByName(argv[1]);
    LoadTables(argv[1], argv[2]);
    Expect(messages == 0, "no message shown");
    std::printf("%d problems\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
