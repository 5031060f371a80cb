#include "EncodingDetector.h"

#include "welldata/Utf8.h"

#include <fstream>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string EncodingDetector::Detect(const std::wstring& path) {
    std::ifstream file(welldata::ToUtf8(path), std::ios::binary);
    if (!file)
        return "GB18030";
    EncodingDetector detector;
    char buffer[8192];
    bool first = true;
    while (detector.m_valid && file) {
        file.read(buffer, sizeof buffer);
        const std::string_view bytes(buffer, static_cast<size_t>(file.gcount()));
        if (first && bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
            return "UTF-8";
        first = false;
        detector.Add(bytes);
    }
    return detector.IsUtf8() ? "UTF-8" : "GB18030";
}

void EncodingDetector::Add(std::string_view bytes) {
    for (char byte : bytes) {
        if (!m_valid)
            return;
        m_valid = AddByte(static_cast<unsigned char>(byte));
    }
}

bool EncodingDetector::AddByte(unsigned char byte) {
    if (m_pending > 0) {
        if (byte < m_lower || byte > m_upper)
            return false;
        --m_pending;
        m_lower = 0x80;
        m_upper = 0xBF;
        return true;
    }
    if (byte < 0x80)
        return true;
    // Lead bytes, with the range of the first continuation byte that rules out
    // overlong forms, surrogates and code points above U+10FFFF.
    if (byte >= 0xC2 && byte <= 0xDF) {
        m_pending = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        m_pending = 2;
        m_lower = byte == 0xE0 ? 0xA0 : 0x80;
        m_upper = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        m_pending = 3;
        m_lower = byte == 0xF0 ? 0x90 : 0x80;
        m_upper = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    return true;
}
