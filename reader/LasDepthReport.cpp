#include "reader/LasDepthReport.h"

namespace {

constexpr size_t kShortCell = 10;
constexpr size_t kDecimalsKept = 3;

} // namespace

std::wstring_view LasDepthReport::DepthText(std::wstring_view cell) {
    if (cell.size() <= kShortCell)
        return cell;
    const size_t point = cell.find(L'.');
    if (point == std::wstring_view::npos)
        return {};
    return cell.substr(0, point + 1 + kDecimalsKept);
}

void LasDepthReport::Add(std::wstring_view depthCell) {
    if (m_text.size() >= m_breakMark) {
        m_text += L"\r\n";
        m_breakMark += kLineLength;
    }
    m_text += DepthText(depthCell);
    m_text += L',';
}

std::wstring LasDepthReport::Text() const {
    std::wstring text = m_text;
    const size_t lastComma = text.rfind(L',');
    if (lastComma != std::wstring::npos)
        text[lastComma] = L'.';
    return text;
}
