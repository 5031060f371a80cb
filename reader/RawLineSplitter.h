// Splits the byte chunks of a data file into non-empty wide-text lines: a line
// ends at the next LF, or at the next CR when the rest of the chunk has no LF;
// a partial line is carried into the next chunk. Preview modes stop early.
#pragma once

#include "platform/MultiByteConverter.h"
#include "reader/CLasPreviewTracker.h"
#include "reader/LineMap.h"

#include <string>
#include <string_view>
#include <vector>

class RawLineSplitter {
public:
    // `mode` is the reader's read mode; `las` whether the file is read as LAS;
    // `collectPreview` whether LAS preview lines are kept for the dialogs;
    // `lineMap` learns the file line of each raw line; `codePage` is the one
    // the chunks are in.
    RawLineSplitter(int mode, bool las, bool collectPreview, std::vector<std::wstring>& rawLines,
                    std::vector<std::wstring>& previewLines, LineMap& lineMap,
                    const std::string& codePage);

    // Takes the usable bytes of one chunk; false once reading should stop.
    bool AddChunk(std::string_view chunk);
    // At the end of the file: the carried text becomes the last line.
    void Finish();

private:
    void TakeLine(std::string_view bytes);
    void KeepLine(std::wstring line);
    bool LineLimitReached() const;
    bool ReadingDone() const;

    int m_mode;
    bool m_las;
    bool m_collectPreview;
    std::vector<std::wstring>& m_rawLines;
    std::vector<std::wstring>& m_previewLines;
    LineMap& m_lineMap;
    size_t m_fileLine = 0; // lines ended so far, blank ones included
    welldata::MultiByteConverter m_converter;
    CLasPreviewTracker m_tracker;
    std::string m_carry;
    int m_lineCount = 0;
};
