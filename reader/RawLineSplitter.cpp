#include "reader/RawLineSplitter.h"

#include "reader/CDataFileReader.h"
#include "reader/CellText.h"

RawLineSplitter::RawLineSplitter(int mode, bool las, bool collectPreview,
                                 std::vector<std::wstring>& previewLines,
                                 const std::string& codePage, LineSink& lines)
    : m_mode(mode), m_las(las), m_collectPreview(collectPreview), m_previewLines(previewLines),
      m_lines(lines), m_converter(codePage), m_asciiAsIs(m_converter.KeepsAscii() && !TracksLas()) {
}

bool RawLineSplitter::TracksLas() const {
    return m_las && m_mode != CDataFileReader::kReadAll;
}

bool RawLineSplitter::LineLimitReached() const {
    return (m_mode == CDataFileReader::kReadFirstLine || m_mode == CDataFileReader::kReadPreview) &&
           m_lineCount >= m_mode;
}

bool RawLineSplitter::ReadingDone() const {
    if (LineLimitReached())
        return true;
    return m_mode == CDataFileReader::kReadLasPreview && m_las && m_tracker.HasAllSections() &&
           m_tracker.IsComplete();
}

bool RawLineSplitter::AddChunk(std::string_view chunk) {
    size_t position = 0;
    while (position < chunk.size()) {
        const std::string_view rest = chunk.substr(position);
        size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            end = rest.find('\r');
        if (end == std::string_view::npos) {
            m_carry.append(rest);
            break;
        }
        TakeLine(rest.substr(0, end));
        position += end + 1;
        // Splitting stops only when reading stops: a finished LAS preview of a
        // file lacking one of the four sections keeps reading whole lines.
        if (m_mode != CDataFileReader::kReadAll && ReadingDone())
            break;
    }
    if (ReadingDone()) {
        m_carry.clear();
        return false;
    }
    return true;
}

bool RawLineSplitter::MakeLine(std::string_view bytes, SourceLine& line) {
    line = {bytes, nullptr, ++m_fileLine};
    if (m_asciiAsIs && welldata::IsAsciiText(bytes))
        return !bytes.empty();
    m_wide = m_converter.ToWide(bytes);
    line.wide = &m_wide;
    return !m_wide.empty();
}

void RawLineSplitter::TakeLine(std::string_view bytes) {
    if (!m_carry.empty()) {
        m_carry.append(bytes);
        bytes = m_carry;
    }
    SourceLine line;
    if (MakeLine(bytes, line)) {
        ++m_lineCount;
        if (TracksLas()) {
            if (m_collectPreview)
                m_previewLines.push_back(m_wide);
            if (!m_tracker.IsComplete())
                m_tracker.Track(m_wide);
        }
        m_lines.TakeLine(line);
    }
    m_carry.clear();
}

void RawLineSplitter::Finish() {
    if (m_carry.empty())
        return;
    SourceLine line;
    if (MakeLine(m_carry, line)) {
        if (TracksLas() && m_collectPreview)
            m_previewLines.push_back(m_wide);
        m_lines.TakeLine(line);
    }
    m_carry.clear();
}
