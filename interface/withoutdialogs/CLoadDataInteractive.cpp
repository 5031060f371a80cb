// CLoadData's interactive entry points in a build without the Qt part. There
// is no dialog to pick a file or choose columns, so each one refuses with a
// failure the host can read: a host written for the full library still links
// and runs, and learns why nothing loaded instead of meeting a missing symbol.
#include "platform/Translation.h"
#include "welldata/CLoadData.h"
#include "welldata/MessageBox.h"

namespace {

// Says why, through the host's message handler (standard error without one).
std::wstring ShowWhyNothingLoads() {
    const std::wstring text = welldata::Translate(WELLDATA_CATALOGUE_TEXT(
        "CLoadData", "此版本的库不含导入对话框，不能交互加载数据；请按文件名加载。"));
    welldata::ShowInformation(text);
    return text;
}

} // namespace

bool CLoadData::ReadFile() {
    return Refuse(welldata::LoadError::NoDialogs, ShowWhyNothingLoads().c_str());
}

bool CLoadData::ReadFile(COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH>*) {
    return Refuse(welldata::LoadError::NoDialogs, ShowWhyNothingLoads().c_str());
}

bool CLoadData::ReadFileWis(std::wstring&) {
    return Refuse(welldata::LoadError::NoDialogs, ShowWhyNothingLoads().c_str());
}

bool CLoadData::ReadFileMuilti(std::vector<std::wstring>&, bool) {
    return Refuse(welldata::LoadError::NoDialogs, ShowWhyNothingLoads().c_str());
}
