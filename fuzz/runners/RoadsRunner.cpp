#include "fuzz/runners/RoadsRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/RoadComparison.h"
#include "fuzz/runners/ScratchFile.h"
#include "reader/CDataFileReader.h"
#include "welldata/CodePage.h"

#include <cstdio>
#include <limits>

namespace welldata::fuzz {

namespace {

enum Option : size_t {
    kLoad = 0,
    kSetup = 1,
    kDataType = 2,
    kFlags = 3,
    kCoorUnit = 4,
    kDepthUnit = 5,
    kFirstColumn = 6,
    kNullChoice = 15,
    kOptionBytes = 16,
};

enum Load : int {
    kRead0,
    kRead15,
    kReadLasPreview,
    kRead100,
    kLoadPath,
    kLoadTable,
    kLoadLog,
    kLoadLogWithPath,
    kLoadLasAfterRead,
    kLoadLasChosen,
    kLoadLasWithPath,
    kLasByName,
    kWellHeads,
    kCoreAnalysis,
    kCoreDescription,
    kRead1,
};

const char* const kCodePages[] = {"GB18030", "UTF-8", "UTF-16LE"};

ReaderSetup Setup(const FuzzInput& input) {
    ReaderSetup setup;
    setup.format = input.Flag(kSetup, 0) ? COMMON::WLDF_LAS : COMMON::WLDF_TEXT;
    setup.headerSearch = input.Flag(kSetup, 1);
    setup.headerRow = !input.Flag(kSetup, 2);
    setup.batch = input.Flag(kSetup, 3);
    setup.progress = !input.Flag(kSetup, 4);
    setup.progressWindow = !input.Flag(kSetup, 5);
    return setup;
}

int Column(const FuzzInput& input, size_t index) {
    const std::uint8_t choice = input.Option(kFirstColumn + index);
    return choice == 0xFF ? -1 : choice & 0x0F;
}

std::uint16_t LoaderColumn(const FuzzInput& input, size_t index) {
    const int column = Column(input, index);
    return column < 0 ? std::uint16_t{65535} : static_cast<std::uint16_t>(column);
}

float NullValue(const FuzzInput& input) {
    const float choices[] = {
        -999.25f, 0.0f,  -9999.0f, 123.0f, std::numeric_limits<float>::quiet_NaN(),
        -999.0f,  1e30f, 2.5f};
    return choices[input.Option(kNullChoice) & 0x07];
}

void ConfigurePath(CWellPath& loader, const FuzzInput& input) {
    loader.SetDataType(input.Option(kDataType) & 0x07);
    loader.SetHasNullValue(input.Flag(kFlags, 0));
    loader.SetHasMD(input.Flag(kFlags, 1));
    loader.SetConvertUnits(input.Flag(kFlags, 2));
    loader.SetAzimuthToTrueNorth(input.Flag(kFlags, 3));
    loader.SetNullValue(NullValue(input));
    loader.SetCoorUnit(static_cast<std::int8_t>(input.Option(kCoorUnit)));
    loader.SetDepthUnit(static_cast<std::int8_t>(input.Option(kDepthUnit)));
    loader.SetMDColumn(LoaderColumn(input, 0));
    loader.SetINCLColumn(LoaderColumn(input, 1));
    loader.SetAZIMColumn(LoaderColumn(input, 2));
    loader.SetTVDColumn(LoaderColumn(input, 3));
    loader.SetDXColumn(LoaderColumn(input, 4));
    loader.SetDYColumn(LoaderColumn(input, 5));
    loader.SetXColumn(LoaderColumn(input, 6));
    loader.SetYColumn(LoaderColumn(input, 7));
    loader.SetZColumn(LoaderColumn(input, 8));
}

// A dialog's curves: 1-based columns (0 none), with the curve types that unit
// conversion looks at.
COMMON::STRUCT_WELL_CURVE Curves(const FuzzInput& input, bool withPath) {
    const wchar_t* const types[] = {L"DEPTH", L"X", L"TVDSS", L"GR"};
    COMMON::STRUCT_WELL_CURVE curves;
    for (size_t i = 0; i < 4; ++i) {
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.nColumn = Column(input, i) + 1;
        curve.strName = curve.strType = types[i];
        curves.lstCurves.push_back(curve);
    }
    curves.vecNullValues = {NullValue(input), -999.25f};
    curves.bWithWellPath = withPath;
    return curves;
}

std::string CompareLog(RoadComparison& roads, const FuzzInput& input, int load) {
    const bool withPath = load == kLoadLogWithPath || load == kLoadLasWithPath;
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves = Curves(input, withPath);
    CWellLog settings(nullptr, &path, &curves);
    ConfigurePath(settings, input);
    if (load == kLoadLasChosen || (load == kLoadLasWithPath && input.Flag(kFlags, 4)))
        settings.SetUserCurveList(true);
    const bool las = load >= kLoadLasAfterRead;
    if (las && !settings.HasUserCurveList())
        curves.lstCurves.clear();
    using LogLoad = RoadComparison::LogLoad;
    const LogLoad which = las ? LogLoad::Las : load == kLoadTable ? LogLoad::Table : LogLoad::Log;
    return roads.LoadLog(settings, curves, which);
}

std::string CompareWellHeads(RoadComparison& roads, const FuzzInput& input) {
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead settings(nullptr, &heads);
    WellHeadChoices choices;
    choices.nameColumn = Column(input, 0);
    choices.xColumn = Column(input, 1);
    choices.yColumn = Column(input, 2);
    choices.wellTypeColumn = Column(input, 3);
    choices.topDepthColumn = Column(input, 4);
    choices.bottomDepthColumn = Column(input, 5);
    choices.kbColumn = Column(input, 6);
    choices.unitsChosen = input.Flag(kFlags, 0);
    choices.wellTypeUsed = choices.topDepthUsed = input.Flag(kFlags, 1);
    choices.bottomDepthUsed = choices.kbUsed = input.Flag(kFlags, 2);
    // Codes past 4 are ignored by the loader's setters.
    const auto unit = [&input](size_t option) {
        return static_cast<COMMON::ENUM_COOR_UNIT>(input.Option(option) & 0x07);
    };
    choices.xUnit = choices.kbUnit = unit(kCoorUnit);
    choices.yUnit = choices.topDepthUnit = choices.bottomDepthUnit = unit(kDepthUnit);
    settings.TakeChoices(choices);
    return roads.LoadWellHeads(settings);
}

std::string CompareCoreAnalysis(RoadComparison& roads, const FuzzInput& input) {
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    for (size_t i = 0; i < 4; ++i) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.nColumn = Column(input, i);
        item.vecValues = {1.5f};
        items.push_back(item);
    }
    if (input.Flag(kFlags, 0))
        items.clear();
    return roads.LoadCoreAnalysis(items);
}

std::string CompareCoreDescription(RoadComparison& roads, const FuzzInput& input) {
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe settings(nullptr, &record);
    CoreDescriptionChoices choices;
    choices.topColumn = Column(input, 0);
    choices.bottomColumn = Column(input, 1);
    choices.descriptionColumn = Column(input, 2);
    if (input.Flag(kFlags, 0))
        choices.descriptionName = L"岩性";
    settings.TakeChoices(choices);
    return roads.LoadCoreDescription(settings);
}

std::string CompareLasByName(RoadComparison& roads, const FuzzInput& input) {
    reference::LasUnits units;
    units.settled = input.Flag(kFlags, 4);
    units.coorUnit = static_cast<COMMON::ENUM_COOR_UNIT>(input.Option(kCoorUnit) % 5);
    units.depthUnit = static_cast<COMMON::ENUM_COOR_UNIT>(input.Option(kDepthUnit) % 5);
    std::optional<UnitAnswer> answer;
    if (input.Flag(kFlags, 5)) {
        answer.emplace();
        answer->coorUnit = static_cast<COMMON::ENUM_COOR_UNIT>(input.Option(kDataType) % 5);
        answer->depthUnit = static_cast<COMMON::ENUM_COOR_UNIT>((input.Option(kDataType) >> 4) % 5);
        answer->dontAskAgain = input.Flag(kFlags, 6);
    }
    return roads.ReadLasByName(units, answer);
}

std::string Compare(const std::wstring& path, const FuzzInput& input) {
    RoadComparison roads(path, Setup(input));
    const int load = input.Option(kLoad) & 0x0F;
    switch (load) {
    case kRead0:
        return roads.Read(CDataFileReader::kReadAll);
    case kRead15:
        return roads.Read(CDataFileReader::kReadPreview);
    case kReadLasPreview:
        return roads.Read(CDataFileReader::kReadLasPreview);
    case kRead100:
        return roads.Read(100);
    case kRead1:
        return roads.Read(CDataFileReader::kReadFirstLine);
    case kLoadPath: {
        COMMON::STRUCT_WELL_PATH record;
        CWellPath settings(nullptr, &record);
        ConfigurePath(settings, input);
        return roads.LoadPath(settings);
    }
    case kWellHeads:
        return CompareWellHeads(roads, input);
    case kCoreAnalysis:
        return CompareCoreAnalysis(roads, input);
    case kCoreDescription:
        return CompareCoreDescription(roads, input);
    case kLasByName:
        return CompareLasByName(roads, input);
    default:
        return CompareLog(roads, input, load);
    }
}

} // namespace

std::string CompareRoads(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, kOptionBytes);
    static const ScratchFile file("roads.txt");
    const std::wstring& path = file.Write(input.File());
    const int codePage = input.Option(kSetup) >> 6;
    session.UseCodePage(codePage < 3 ? kCodePages[codePage] : DetectCodePage(path));
    return Compare(path, input);
}

void RunRoads(const std::uint8_t* data, std::size_t size) {
    const std::string difference = CompareRoads(data, size);
    if (!difference.empty())
        std::fprintf(stderr, "the roads differ: %s\n", difference.c_str());
    Require(difference.empty(), "both roads load alike");
}

} // namespace welldata::fuzz
