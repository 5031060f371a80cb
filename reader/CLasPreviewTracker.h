// Follows the structure of a LAS file line by line during a preview read, to
// tell when the header and the first data have been seen.
#pragma once

#include <string>

class CLasPreviewTracker {
public:
    void Reset();
    // Takes one non-empty raw line of the file.
    void Track(const std::wstring& line);

    bool IsComplete() const { return m_complete; }
    // "~V", "~W", "~C" and "~A" have all been seen.
    bool HasAllSections() const { return m_sections == kAllSections; }

private:
    static constexpr unsigned kVersionSection = 0x01;
    static constexpr unsigned kWellSection = 0x02;
    static constexpr unsigned kCurveSection = 0x04;
    static constexpr unsigned kDataSection = 0x08;
    static constexpr unsigned kAllSections = 0x0F;

    void TrackSectionLine(const std::wstring& line);
    void TrackBodyLine(const std::wstring& line);
    // A wrapped file's preview ends at a line that completes a record.
    void CountWrappedValues(const std::wstring& line);
    void CountDataLine(const std::wstring& line);

    unsigned m_sections = 0;
    bool m_inCurveSection = false;
    bool m_wrapped = false;
    int m_curveCount = -1;
    int m_valueCountdown = -1;
    int m_dataLineCountdown = 10;
    bool m_complete = false;
};
