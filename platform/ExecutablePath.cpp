#include "platform/ExecutablePath.h"

#include "welldata/Utf8.h"

#include <limits.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace welldata {

std::wstring GetExecutablePath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size())
            return FromUtf8(std::string_view(buffer.data(), static_cast<size_t>(length)));
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring GetExecutableFolder() {
    const std::wstring path = GetExecutablePath();
    const size_t slash = path.find_last_of(L'/');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace welldata
