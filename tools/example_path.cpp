// A small host: loads a well path table (NAME, MD, X, Y, TVD columns) through
// the reader and the well path loader and prints its points.
#include "loaders/CWellPath.h"
#include "platform/Utf8.h"
#include "reader/CDataFileReader.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WELL_PATH_TABLE\n", argv[0]);
        return 2;
    }
    COMMON::STRUCT_WELL_PATH path;
    CDataFileReader reader;
    CWellPath loader(&reader, &path);
    reader.SetFilePath(welldata::FromUtf8(argv[1]));
    loader.SetDataType(PATH_TVD_X_Y);
    loader.SetHasMD(true);
    loader.SetMDColumn(1);
    loader.SetXColumn(2);
    loader.SetYColumn(3);
    loader.SetTVDColumn(4);
    if (!loader.LoadPath()) {
        std::fprintf(stderr, "the well path could not be loaded\n");
        return 1;
    }
    std::printf("%10s %16s %16s %10s\n", "MD", "X", "Y", "TVD");
    for (const auto& point : path.dqPoints)
        std::printf("%10.3f %16.3f %16.3f %10.3f\n", point.fMD, point.uAzimOrX.dValue,
                    point.uY.dValue, point.fInclOrDepth);
    std::printf("%zu points\n", path.dqPoints.size());
    return 0;
}
