#include "reader/RawLineSplitter.h"

#include "reader/CDataFileReader.h"

RawLineSplitter::RawLineSplitter(int mode, bool las, bool collectPreview,
                                 std::vector<std::wstring>& rawLines,
                                 std::vector<std::wstring>& previewLines, LineMap& lineMap,
                                 const std::string& codePage)
    : m_mode(mode), m_las(las), m_collectPreview(collectPreview), m_rawLines(rawLines),
      m_previewLines(previewLines), m_lineMap(lineMap), m_converter(codePage) {}

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

void RawLineSplitter::TakeLine(std::string_view bytes) {
    std::wstring line;
    if (m_carry.empty()) {
        line = m_converter.ToWide(bytes);
    } else {
        m_carry.append(bytes);
        line = m_converter.ToWide(m_carry);
        m_carry.clear();
    }
    ++m_fileLine;
    if (line.empty())
        return;
    ++m_lineCount;
    if (m_las && m_mode != CDataFileReader::kReadAll) {
        if (m_collectPreview)
            m_previewLines.push_back(line);
        if (!m_tracker.IsComplete())
            m_tracker.Track(line);
    }
    KeepLine(std::move(line));
}

void RawLineSplitter::KeepLine(std::wstring line) {
    m_lineMap.Add(m_rawLines.size(), m_fileLine);
    m_rawLines.push_back(std::move(line));
}

void RawLineSplitter::Finish() {
    if (m_carry.empty())
        return;
    std::wstring line = m_converter.ToWide(m_carry);
    m_carry.clear();
    ++m_fileLine;
    if (line.empty())
        return;
    if (m_las && m_mode != CDataFileReader::kReadAll && m_collectPreview)
        m_previewLines.push_back(line);
    KeepLine(std::move(line));
}
