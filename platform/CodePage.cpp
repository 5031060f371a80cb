#include "welldata/CodePage.h"

#include "platform/MultiByteConverter.h"
#include "platform/Utf8Validator.h"
#include "welldata/Utf8.h"

#include <cstdio>
#include <memory>
#include <mutex>

namespace welldata {

namespace {

std::mutex g_codePageMutex;
std::string g_codePage = "GB18030";

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
const char* const kUtf8 = "UTF-8";
const char* const kGb18030 = "GB18030";

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

std::string DetectCodePage(const std::wstring& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(ToUtf8(path).c_str(), "rb"), std::fclose);
    if (!file)
        return kGb18030;
    Utf8Validator validator;
    char buffer[8192];
    bool first = true;
    for (size_t got; validator.IsValidSoFar() &&
                     (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        const std::string_view bytes(buffer, got);
        if (first && bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
            return kUtf8;
        first = false;
        validator.Add(bytes);
    }
    return validator.IsUtf8() ? kUtf8 : kGb18030;
}

} // namespace welldata
