#include "fuzz/runners/WellPathRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/ScratchFile.h"
#include "loaders/CWellLog.h"
#include "reader/CDataFileReader.h"

#include <cstring>
#include <limits>

namespace welldata::fuzz {

namespace {

enum Option : size_t {
    kDataType = 0,
    kFlags = 1,
    kNullChoice = 2,
    kCoorUnit = 3,
    kDepthUnit = 4,
    kFirstColumn = 5,
    kRawNull = 14,
    kOptionBytes = 18,
};

enum FlagBit : unsigned {
    kHasNull = 0,
    kHasMD = 1,
    kConvertUnits = 2,
    kAzimuthNorth = 3,
    kNoHeaderRow = 4,
    kLogLoader = 5,
    kLasFile = 6,
    kHeaderSearch = 7,
};

float NullValue(const FuzzInput& input) {
    if (input.Option(kNullChoice) & 0x80) {
        std::uint8_t bytes[sizeof(float)];
        for (size_t i = 0; i < sizeof bytes; ++i)
            bytes[i] = input.Option(kRawNull + i);
        float value = 0.0f;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    const float common[] = {0.0f,
                            -9999.0f,
                            -999.25f,
                            123.0f,
                            std::numeric_limits<float>::quiet_NaN(),
                            -999.0f,
                            std::numeric_limits<float>::infinity(),
                            1e30f};
    return common[input.Option(kNullChoice) & 0x07];
}

std::uint16_t Column(const FuzzInput& input, size_t index) {
    const std::uint8_t choice = input.Option(kFirstColumn + index);
    return choice == 0xFF ? std::uint16_t{65535} : std::uint16_t(choice & 0x0F);
}

void Configure(CWellPath& loader, const FuzzInput& input) {
    loader.SetDataType(input.Option(kDataType) & 0x07);
    loader.SetHasNullValue(input.Flag(kFlags, kHasNull));
    loader.SetHasMD(input.Flag(kFlags, kHasMD));
    loader.SetNullValue(NullValue(input));
    loader.SetConvertUnits(input.Flag(kFlags, kConvertUnits));
    loader.SetAzimuthToTrueNorth(input.Flag(kFlags, kAzimuthNorth));
    loader.SetCoorUnit(static_cast<std::int8_t>(input.Option(kCoorUnit)));
    loader.SetDepthUnit(static_cast<std::int8_t>(input.Option(kDepthUnit)));
    loader.SetMDColumn(Column(input, 0));
    loader.SetINCLColumn(Column(input, 1));
    loader.SetAZIMColumn(Column(input, 2));
    loader.SetTVDColumn(Column(input, 3));
    loader.SetDXColumn(Column(input, 4));
    loader.SetDYColumn(Column(input, 5));
    loader.SetXColumn(Column(input, 6));
    loader.SetYColumn(Column(input, 7));
    loader.SetZColumn(Column(input, 8));
}

std::list<COMMON::STRUCT_CURVE_ITEM> DepthCurve() {
    COMMON::STRUCT_CURVE_ITEM curve;
    curve.nColumn = 1;
    curve.strName = curve.strType = L"DEPTH";
    return {curve};
}

} // namespace

void RunWellPath(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, kOptionBytes);
    static const ScratchFile file("path.txt");

    CDataFileReader reader;
    reader.SetFilePath(file.Write(input.File()));
    reader.SetDataFormat(input.Flag(kFlags, kLasFile) ? COMMON::WLDF_LAS : COMMON::WLDF_TEXT);
    reader.SetHeaderRow(!input.Flag(kFlags, kNoHeaderRow));
    reader.SetHeaderSearch(input.Flag(kFlags, kHeaderSearch));
    reader.EnsureSections();

    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    bool loaded = false;
    if (input.Flag(kFlags, kLogLoader)) {
        CWellLog log(&reader, &path, &curves);
        Configure(log, input);
        curves.bWithWellPath = true;
        log.SetCurves(DepthCurve());
        loaded = log.LoadLog();
    } else {
        CWellPath loader(&reader, &path);
        Configure(loader, input);
        loaded = loader.LoadPath();
    }
    Require(path.dqPoints.size() <= static_cast<size_t>(reader.GetRowCount()) + 1,
            "at most one point per row");
    // A failed LAS parse or header search shows its message and still leaves rows
    // that the loader may use; a plain table has no message of its own.
    const bool plainTable = !input.Flag(kFlags, kLasFile) && !input.Flag(kFlags, kHeaderSearch);
    Require(!loaded || !plainTable || session.MessageCount() == 0,
            "a successful path load shows no message");
}

} // namespace welldata::fuzz
