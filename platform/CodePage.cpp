#include "welldata/CodePage.h"

#include "platform/MultiByteConverter.h"

#include <mutex>

namespace welldata {

namespace {

std::mutex g_codePageMutex;
std::string g_codePage = "GB18030";

} // namespace

bool SetDataCodePage(const std::string& name) {
    if (name.empty() || !MultiByteConverter::IsAvailable(name))
        return false;
    std::lock_guard<std::mutex> lock(g_codePageMutex);
    g_codePage = name;
    return true;
}

std::string GetDataCodePage() {
    std::lock_guard<std::mutex> lock(g_codePageMutex);
    return g_codePage;
}

} // namespace welldata
