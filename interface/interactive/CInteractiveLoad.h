// The interactive side of CLoadData: the file dialog, then the import dialog of
// the kind of data, then its loader. It needs Qt Widgets, so it lives apart from
// the core load object and is built with the dialogs.
//
// Each road below is one private function; ReadFile() picks it by the
// process-wide load type and the file type the user left selected.
#pragma once

#include "welldata/CLoadData.h"

#include <QCoreApplication>
#include <string>
#include <vector>

class CInteractiveLoad {
    Q_DECLARE_TR_FUNCTIONS(CInteractiveLoad)

public:
    explicit CInteractiveLoad(CLoadData& load) : m_load(load) {}

    // CLoadData::ReadFile(): one file of the process-wide load type.
    bool ReadFile();
    // CLoadData::ReadFile(sink): many well path files, one set of choices.
    bool ReadFile(COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH>* sink);
    // CLoadData::ReadFileWis: picks a WIS file; nothing is read.
    bool ReadFileWis(std::wstring& path);
    // CLoadData::ReadFileMuilti: the curve settings of a multi-well batch.
    bool ReadFileMuilti(std::vector<std::wstring>& list, bool listHoldsFiles);

private:
    // The file dialog of the load type; false when the user cancels. Leaves
    // the chosen path in the load object and the reader, and the chosen file
    // type in m_nFileType.
    bool ChooseFile(COMMON::LOAD_DATA_TYPE type);
    bool DispatchByFileType(COMMON::LOAD_DATA_TYPE type);

    // The roads of ReadFile(), one per row of the load type x file type table.
    bool LoadNewWellHead();
    bool LoadWellHeads();
    bool LoadWellPath();
    bool LoadWellLogTable();
    bool LoadCoreAnalysis();
    bool LoadCoreDescription();
    bool LoadLasFile();

    // Runs the import dialog of a text table on the load object's reader, given
    // `loader`; true on OK.
    template <class Dialog, class Loader> bool RunImportDialog(Loader& loader);
    // The import dialog, then on OK `load` under the wait cursor, keeping why it
    // failed. The reader's rows stay only when `keepRows` is set.
    template <class Dialog, class Loader>
    bool RunTableImport(Loader& loader, bool (Loader::*load)(), bool keepRows);
    // The same two steps on a reader the road has set up itself; `load` is any
    // callable that loads and says whether it did.
    template <class Dialog, class Loader> bool ExecImportDialog(Loader& loader);
    template <class Dialog, class Loader, class Load>
    bool RunLoadDialog(Loader& loader, Load load, bool keepRows);
    // Makes the reader read a plain text table whose first line is its header.
    void UseTextTable();
    // The well path files the user picks at once; none when cancelled.
    std::vector<std::wstring> ChooseWellPathFiles() const;
    // The message listing the files a sink refused, numbered from 1.
    static std::wstring RefusedFilesMessage(const std::vector<std::wstring>& refused);

    CLoadData& m_load;
};
