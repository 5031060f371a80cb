#include "OutputStream.h"

#include "ToolFailure.h"
#include "welldata/Utf8.h"

#include <cerrno>
#include <cstring>

OutputStream::OutputStream(const std::string& path) : m_path(path) {
    if (path == "-") {
        m_file = stdout;
        return;
    }
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr)
        throw ToolFailure("cannot write '" + path + "': " + std::strerror(errno));
    m_ownsFile = true;
}

OutputStream::~OutputStream() {
    if (m_ownsFile && m_file != nullptr)
        std::fclose(m_file);
}

void OutputStream::Write(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), m_file);
}

void OutputStream::Write(std::wstring_view text) {
    Write(welldata::ToUtf8(text));
}

void OutputStream::Close() {
    if (m_file == nullptr)
        return;
    const bool failed = std::fflush(m_file) != 0 || std::ferror(m_file) != 0;
    const int error = errno;
    if (m_ownsFile)
        std::fclose(m_file);
    m_file = nullptr;
    if (failed)
        throw ToolFailure("cannot write '" + m_path + "': " + std::strerror(error));
}
