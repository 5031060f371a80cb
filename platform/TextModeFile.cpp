#include "platform/TextModeFile.h"

#include "platform/MultiByteConverter.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace welldata {

namespace {

constexpr size_t kRawBufferSize = 1 << 16;
const char* const kUtf8 = "UTF-8";

} // namespace

TextModeFile::~TextModeFile() {
    Close();
}

bool TextModeFile::Open(const std::wstring& path, const std::string& codePage) {
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
    m_textCodePage = codePage;
    if (!codePage.empty() && !MultiByteConverter::IsAsciiCompatible(codePage)) {
        m_transcoder = std::make_unique<StreamTranscoder>(codePage);
        if (m_transcoder->IsOpen())
            m_textCodePage = kUtf8;
        else
            m_transcoder.reset();
    }
    return true;
}

void TextModeFile::Close() {
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_transcoder.reset();
    m_buffer.clear();
    m_begin = 0;
    m_eof = false;
    m_given = m_textTaken = m_textBefore = m_textAfter = m_fileBefore = m_fileAfter = 0;
}

void TextModeFile::ReadBlock() {
    const size_t unread = m_buffer.size();
    if (!m_transcoder) {
        m_buffer.resize(unread + kRawBufferSize);
        const size_t got = std::fread(m_buffer.data() + unread, 1, kRawBufferSize, m_file);
        m_buffer.resize(unread + got);
        m_eof = got == 0;
        return;
    }
    m_block.resize(kRawBufferSize);
    const size_t got = std::fread(m_block.data(), 1, m_block.size(), m_file);
    m_eof = got == 0;
    m_transcoder->Convert(std::string_view(m_block.data(), got), m_eof, m_buffer);
    m_textBefore = m_textTaken + static_cast<long long>(unread);
    m_textAfter = m_textTaken + static_cast<long long>(m_buffer.size());
    m_fileBefore = m_fileAfter;
    m_fileAfter += static_cast<long long>(got);
}

bool TextModeFile::Refill() {
    m_buffer.erase(0, m_begin);
    m_textTaken += static_cast<long long>(m_begin);
    m_begin = 0;
    // A transcoded block may give no text yet (a character cut at its end).
    const size_t unread = m_buffer.size();
    while (!m_eof && m_file != nullptr && m_buffer.size() == unread)
        ReadBlock();
    return !m_buffer.empty();
}

size_t TextModeFile::Read(char* buffer, size_t size) {
    size_t produced = 0;
    while (produced < size) {
        if (m_begin == m_buffer.size() && !Refill())
            break;
        const char* start = m_buffer.data() + m_begin;
        const size_t available = std::min(m_buffer.size() - m_begin, size - produced);
        const void* cr = std::memchr(start, '\r', available);
        const size_t run =
            cr ? static_cast<size_t>(static_cast<const char*>(cr) - start) : available;
        std::memcpy(buffer + produced, start, run);
        produced += run;
        m_begin += run;
        if (cr == nullptr)
            continue;
        // A CR at the end of the buffered bytes needs the next byte to decide.
        if (m_begin + 1 == m_buffer.size() && !m_eof)
            Refill();
        const bool pairedWithLf = m_begin + 1 < m_buffer.size() && m_buffer[m_begin + 1] == '\n';
        if (pairedWithLf) {
            ++m_begin; // drop the CR, the LF follows
            continue;
        }
        buffer[produced++] = '\r';
        ++m_begin;
    }
    m_given += static_cast<long long>(produced);
    return produced;
}

long long TextModeFile::Progress() const {
    if (!m_transcoder)
        return m_given;
    const long long text = m_textTaken + static_cast<long long>(m_begin);
    if (text >= m_textAfter)
        return m_fileAfter;
    if (text <= m_textBefore)
        return m_fileBefore;
    return m_fileBefore +
           (m_fileAfter - m_fileBefore) * (text - m_textBefore) / (m_textAfter - m_textBefore);
}

} // namespace welldata
