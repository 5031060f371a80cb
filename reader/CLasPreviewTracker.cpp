#include "reader/CLasPreviewTracker.h"

#include "platform/WideText.h"
#include "reader/CellSplitter.h"

#include <algorithm>

namespace {

bool IsPlainDataCharacter(wchar_t c) {
    return (c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L' ' || c == L'\t' ||
           c == L'\n' || c == L'\r';
}

} // namespace

void CLasPreviewTracker::Reset() {
    *this = CLasPreviewTracker();
}

void CLasPreviewTracker::Track(const std::wstring& line) {
    if (line.empty() || line.front() == L'#')
        return;
    if (line.front() == L'~')
        TrackSectionLine(line);
    else if (m_sections & kVersionSection)
        TrackBodyLine(line);
    // Counting starts with the "~C" line itself, so the count ends as the number
    // of curve lines.
    if (m_inCurveSection) {
        ++m_curveCount;
        ++m_valueCountdown;
    }
}

void CLasPreviewTracker::TrackSectionLine(const std::wstring& line) {
    m_inCurveSection = false;
    if (line.size() < 2)
        return;
    switch (welldata::ToUpperChar(line[1])) {
    case L'V':
        m_sections |= kVersionSection;
        break;
    case L'W':
        m_sections |= kWellSection;
        break;
    case L'C':
        m_sections |= kCurveSection;
        m_inCurveSection = true;
        break;
    case L'A':
        m_sections |= kDataSection;
        break;
    default:
        break;
    }
}

void CLasPreviewTracker::TrackBodyLine(const std::wstring& line) {
    const std::wstring text = welldata::ToUpper(welldata::TrimView(line));
    if (text.find(L"WRAP") != std::wstring::npos) {
        m_wrapped = text.find(L"YES") != std::wstring::npos;
        return;
    }
    if (!(m_sections & kDataSection) || text.empty() || text.front() == L'#')
        return;
    if (m_wrapped && m_curveCount != -1)
        CountWrappedValues(line);
    else
        CountDataLine(line);
}

void CLasPreviewTracker::CountWrappedValues(const std::wstring& line) {
    m_valueCountdown -= static_cast<int>(welldata::SplitCells(line).size());
    if (m_valueCountdown == 0)
        m_complete = true;
    else if (m_valueCountdown < 0)
        m_valueCountdown += m_curveCount;
}

void CLasPreviewTracker::CountDataLine(const std::wstring& line) {
    if (!std::all_of(line.begin(), line.end(), IsPlainDataCharacter))
        return;
    if (--m_dataLineCountdown == 0)
        m_complete = true;
}
