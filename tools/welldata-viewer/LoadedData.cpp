#include "LoadedData.h"

#include <utility>

LoadedData LoadedData::Take(CLoadData& load, DataKind kind, const std::wstring& file) {
    LoadedData data;
    data.kind = kind;
    data.file = file;
    switch (kind) {
    case DataKind::WellHeads:
        data.heads = std::move(load.GetWellHead());
        break;
    case DataKind::NewWellHead:
        data.heads = {load.GetSingleWellHead()};
        break;
    case DataKind::WellPath:
        data.paths.push_back({file, std::move(load.GetWellPath()), std::nullopt});
        break;
    case DataKind::WellLog:
    case DataKind::MultiWellSettings:
        data.log = std::move(load.GetWellLog());
        data.lasHeader = load.GetLasHeader();
        // A log table may carry its well path.
        if (!load.GetWellPath().dqPoints.empty())
            data.paths.push_back({file, std::move(load.GetWellPath()), std::nullopt});
        break;
    case DataKind::CoreAnalysis:
        data.coreAnalysis = std::move(load.GetRockCoreAnalyse());
        break;
    case DataKind::CoreDescription:
        data.coreDescription = std::move(load.GetRockCoreDescribe());
        break;
    case DataKind::WellPaths:
    case DataKind::WisFile:
        break;
    }
    return data;
}

bool LoadedData::OpensByName(DataKind kind) {
    return kind == DataKind::WellHeads || kind == DataKind::WellPath || kind == DataKind::WellLog ||
           kind == DataKind::CoreAnalysis || kind == DataKind::CoreDescription;
}

QString LoadedData::KindName(DataKind kind) {
    switch (kind) {
    case DataKind::WellHeads:
        return tr("well heads");
    case DataKind::NewWellHead:
        return tr("new well head");
    case DataKind::WellPath:
        return tr("well path");
    case DataKind::WellPaths:
        return tr("well paths");
    case DataKind::WellLog:
        return tr("well log");
    case DataKind::CoreAnalysis:
        return tr("rock core analysis");
    case DataKind::CoreDescription:
        return tr("rock core description");
    case DataKind::MultiWellSettings:
        return tr("multi-well curve settings");
    case DataKind::WisFile:
        return tr("WIS file");
    }
    return tr("data");
}
