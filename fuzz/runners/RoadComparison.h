// Runs one load of a file by both roads, the streaming reader and loaders of
// the library and the row-table road they replaced (RowTableReader,
// RowTableLoads), each with a progress bar and message handler of its own
// that record what the load shows, and tells the first difference: in the
// result, the records (floating-point values bit for bit), the messages and
// progress calls in their order, the unit questions, the failure, the load
// report, the table's shape, and the rows wherever the streaming reader keeps
// them. An empty answer means both roads did exactly the same.
//
// Usage: RoadComparison roads(path, setup);
//        const std::string difference = roads.LoadPath(configuredLoader);
#pragma once

#include "fuzz/runners/RowTableLoads.h"
#include "welldata/UnitQuestion.h"

#include <list>
#include <optional>
#include <string>
#include <vector>

namespace welldata::fuzz {

// How the load sets the reader up.
struct ReaderSetup {
    COMMON::WELL_LOG_DATA_FORMAT format = COMMON::WLDF_TEXT;
    bool headerSearch = false;
    bool headerRow = true;
    bool batch = false;
    bool progress = true;       // a progress bar is given
    bool progressWindow = true; // and it has a window
};

class RoadComparison {
public:
    RoadComparison(std::wstring file, ReaderSetup setup)
        : m_file(std::move(file)), m_setup(setup) {}

    // A read in `mode`, then what the dialogs and hosts ask of the rows: the
    // table, single rows, numeric cells and columns, columns of values (with
    // and without a callback), the LAS preview text.
    std::string Read(int mode);
    // The loads, with loaders set up as `settings` is (and the records as
    // given, where a load only adds to them).
    std::string LoadPath(const CWellPath& settings);
    enum class LogLoad { Las, Table, Log };
    std::string LoadLog(const CWellLog& settings, const COMMON::STRUCT_WELL_CURVE& curves,
                        LogLoad load);
    std::string LoadWellHeads(const CWellHead& settings);
    std::string LoadCoreAnalysis(const std::list<COMMON::STRUCT_CURVE_ITEM>& items);
    std::string LoadCoreDescription(const CRockCoreDescribe& settings);
    // CLoadData::ReadFile(path) on a fresh load object, with the units carried
    // over from an earlier load and `answer` to the unit question, if any.
    std::string ReadLasByName(reference::LasUnits units, std::optional<UnitAnswer> answer);

private:
    std::wstring m_file;
    ReaderSetup m_setup;
};

} // namespace welldata::fuzz
