#include "StandardInputCopy.h"

#include "ToolFailure.h"
#include "welldata/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

std::string ScratchTemplate() {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
           "/welldata-stdin-XXXXXX";
}

// Copies standard input into the open file and closes it.
bool CopyStandardInput(int descriptor) {
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        close(descriptor);
        return false;
    }
    char buffer[8192];
    bool written = true;
    for (size_t got; written && (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
        written = std::fwrite(buffer, 1, got, file) == got;
    return std::fclose(file) == 0 && written;
}

} // namespace

StandardInputCopy::StandardInputCopy() {
    const std::string pattern = ScratchTemplate();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        throw ToolFailure(std::string("cannot save standard input: ") + std::strerror(errno));
    m_utf8Path = name.data();
    m_path = welldata::FromUtf8(m_utf8Path);
    if (!CopyStandardInput(descriptor)) {
        std::remove(m_utf8Path.c_str());
        throw ToolFailure("cannot save standard input to '" + m_utf8Path + "'");
    }
}

StandardInputCopy::~StandardInputCopy() {
    std::remove(m_utf8Path.c_str());
}
