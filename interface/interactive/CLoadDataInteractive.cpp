// CLoadData's interactive entry points. They open dialogs, so they are built
// with the Qt part of the library rather than with the core load object.
#include "interface/interactive/CInteractiveLoad.h"

bool CLoadData::ReadFile() {
    return CInteractiveLoad(*this).ReadFile();
}

bool CLoadData::ReadFile(COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH>* sink) {
    return CInteractiveLoad(*this).ReadFile(sink);
}

bool CLoadData::ReadFileWis(std::wstring& path) {
    return CInteractiveLoad(*this).ReadFileWis(path);
}

bool CLoadData::ReadFileMuilti(std::vector<std::wstring>& list, bool listHoldsFiles) {
    return CInteractiveLoad(*this).ReadFileMuilti(list, listHoldsFiles);
}
