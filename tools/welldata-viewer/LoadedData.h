// What one load brought in, kept by the viewer after the load object is gone:
// the records the load filled, moved out of it, and where they came from.
#pragma once

#include "welldata/CLoadData.h"
#include "welldata/Common.h"
#include "welldata/LasHeader.h"

#include <QCoreApplication>

#include <list>
#include <optional>
#include <string>
#include <vector>

enum class DataKind {
    WellHeads,
    NewWellHead,
    WellPath,
    WellPaths, // many path files at once, handed over one by one
    WellLog,
    CoreAnalysis,
    CoreDescription,
    MultiWellSettings, // the curve settings prepared for a batch of wells
    WisFile,           // picked only: the viewer does not read WIS files
};

// One well path with the file it came from and the well head it belongs to.
struct LoadedPath {
    std::wstring fileName;
    COMMON::STRUCT_WELL_PATH path;
    std::optional<COMMON::STRUCT_WELL_HEAD> head;
};

struct LoadedData {
    DataKind kind = DataKind::WellHeads;
    std::wstring file; // the file loaded (the first of several)
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    std::vector<LoadedPath> paths;
    COMMON::STRUCT_WELL_CURVE log;
    std::vector<welldata::LasHeaderSection> lasHeader;
    std::list<COMMON::STRUCT_CURVE_ITEM> coreAnalysis;
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL coreDescription;
    std::vector<std::wstring> files; // the batch's files the library kept

    // Moves the records of `kind` out of `load`, which is done with.
    static LoadedData Take(CLoadData& load, DataKind kind, const std::wstring& file);
    // Whether a file of the kind opens again by name (and so is a recent file).
    static bool OpensByName(DataKind kind);
    // A short name of the kind, for tab titles and messages.
    static QString KindName(DataKind kind);

    Q_DECLARE_TR_FUNCTIONS(LoadedData)
};
