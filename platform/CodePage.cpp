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

const char* const kUtf8 = "UTF-8";
const char* const kUtf16Le = "UTF-16LE";
const char* const kUtf16Be = "UTF-16BE";
const char* const kGb18030 = "GB18030";
constexpr size_t kOpeningSize = 4096;

// The code page a byte order mark at the start of `opening` names, if any.
const char* MarkedCodePage(std::string_view opening) {
    const std::pair<std::string_view, const char*> marks[] = {
        {"\xEF\xBB\xBF", kUtf8}, {"\xFF\xFE", kUtf16Le}, {"\xFE\xFF", kUtf16Be}};
    for (const auto& [mark, codePage] : marks) {
        if (opening.substr(0, mark.size()) == mark)
            return codePage;
    }
    return nullptr;
}

// UTF-16 by where the zero bytes of `opening` stand in its two-byte units.
const char* Utf16ByZeroBytes(std::string_view opening) {
    const size_t units = opening.size() / 2;
    size_t firstZeros = 0;
    size_t secondZeros = 0;
    for (size_t unit = 0; unit < units; ++unit) {
        firstZeros += opening[2 * unit] == '\0' ? 1 : 0;
        secondZeros += opening[2 * unit + 1] == '\0' ? 1 : 0;
    }
    if ((firstZeros + secondZeros) * 4 < units)
        return nullptr;
    if (secondZeros >= 4 * firstZeros)
        return kUtf16Le;
    if (firstZeros >= 4 * secondZeros)
        return kUtf16Be;
    return nullptr;
}

} // namespace

bool IsKnownCodePage(const std::string& name) {
    return !name.empty() && MultiByteConverter::IsAvailable(name);
}

bool SetDataCodePage(const std::string& name) {
    if (!IsKnownCodePage(name))
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
    char buffer[8192];
    size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    const std::string_view opening(buffer, std::min(got, kOpeningSize));
    if (const char* codePage = MarkedCodePage(opening))
        return codePage;
    if (const char* codePage = Utf16ByZeroBytes(opening))
        return codePage;
    Utf8Validator validator;
    for (; got > 0 && validator.IsValidSoFar();
         got = std::fread(buffer, 1, sizeof buffer, file.get()))
        validator.Add(std::string_view(buffer, got));
    return validator.IsUtf8() ? kUtf8 : kGb18030;
}

} // namespace welldata
