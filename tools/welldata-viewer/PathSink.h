// The viewer's callback for many well path files loaded at once: each path
// goes to the well whose name is the file's name without its extension. With
// no well heads loaded every path is taken; otherwise a path without its well
// is refused, and the library lists the refused files.
#pragma once

#include "LoadedData.h"

#include "welldata/ILoadDataInterface.h"

#include <QString>

#include <functional>
#include <vector>

class PathSink : public COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH> {
public:
    // `progress` hears of each file handed over (index and count, 1-based).
    PathSink(std::vector<COMMON::STRUCT_WELL_HEAD> heads,
             std::function<void(int index, int count)> progress = {});

    bool OnDataLoaded(const wchar_t* name, COMMON::STRUCT_WELL_PATH& record, int index,
                      int count) override;

    std::vector<LoadedPath>& Paths() { return m_paths; }
    int Refused() const { return m_refused; }

private:
    const COMMON::STRUCT_WELL_HEAD* WellOf(const QString& fileName) const;

    std::vector<COMMON::STRUCT_WELL_HEAD> m_heads;
    std::function<void(int, int)> m_progress;
    std::vector<LoadedPath> m_paths;
    int m_refused = 0;
};
