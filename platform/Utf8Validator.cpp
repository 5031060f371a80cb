#include "platform/Utf8Validator.h"

namespace welldata {

void Utf8Validator::Add(std::string_view bytes) {
    for (char byte : bytes) {
        if (!m_valid)
            return;
        m_valid = AddByte(static_cast<unsigned char>(byte));
    }
}

bool Utf8Validator::AddByte(unsigned char byte) {
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

} // namespace welldata
