#include "platform/TextModeFile.h"

#include "welldata/Utf8.h"

#include <cstring>
#include <sys/stat.h>

namespace welldata {

namespace {

constexpr size_t kRawBufferSize = 1 << 16;

} // namespace

TextModeFile::~TextModeFile() {
    Close();
}

bool TextModeFile::Open(const std::wstring& path) {
    Close();
    m_file = std::fopen(ToUtf8(path).c_str(), "rb");
    if (m_file == nullptr)
        return false;
    struct stat info {};
    if (fstat(fileno(m_file), &info) != 0 || S_ISDIR(info.st_mode)) {
        Close();
        return false;
    }
    m_length = static_cast<long long>(info.st_size);
    m_buffer.resize(kRawBufferSize);
    m_begin = m_end = 0;
    m_eof = false;
    return true;
}

void TextModeFile::Close() {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_begin = m_end = 0;
    m_eof = false;
}

bool TextModeFile::Refill() {
    const size_t unread = m_end - m_begin;
    if (m_begin > 0 && unread > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, unread);
    m_begin = 0;
    m_end = unread;
    if (!m_eof && m_file != nullptr) {
        const size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
        if (got == 0)
            m_eof = true;
        m_end += got;
    }
    return m_end > m_begin;
}

size_t TextModeFile::Read(char* buffer, size_t size) {
    size_t produced = 0;
    while (produced < size) {
        if (m_begin == m_end && !Refill())
            break;
        const char* start = m_buffer.data() + m_begin;
        const size_t available = std::min(m_end - m_begin, size - produced);
        const void* cr = std::memchr(start, '\r', available);
        const size_t run =
            cr ? static_cast<size_t>(static_cast<const char*>(cr) - start) : available;
        std::memcpy(buffer + produced, start, run);
        produced += run;
        m_begin += run;
        if (cr == nullptr)
            continue;
        // A CR at the end of the buffered bytes needs the next byte to decide.
        if (m_begin + 1 == m_end && !m_eof)
            Refill();
        const bool pairedWithLf = m_begin + 1 < m_end && m_buffer[m_begin + 1] == '\n';
        if (pairedWithLf) {
            ++m_begin; // drop the CR, the LF follows
            continue;
        }
        buffer[produced++] = '\r';
        ++m_begin;
    }
    return produced;
}

} // namespace welldata
