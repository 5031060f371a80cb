// Callback a host implements to receive one record per loaded file.
#pragma once

namespace COMMON {

template <class Record> class ILoadDataInterface {
public:
    // Called once per file: `name` is the file name without its folder, `record`
    // the freshly filled record (cleared right after the call, so copy what you
    // keep), `index` the 1-based position of the file and `count` the number of
    // files. Return false when the host has no well for the data.
    virtual bool OnDataLoaded(const wchar_t* name, Record& record, int index, int count) = 0;
    virtual ~ILoadDataInterface() = default;
};

} // namespace COMMON
