// Splits the byte chunks of a data file into non-empty wide-text lines: a line
// ends at the next LF, or at the next CR when the rest of the chunk has no LF;
// a partial line is carried into the next chunk. Preview modes stop early.
#pragma once

#include "platform/MultiByteConverter.h"
#include "reader/CLasPreviewTracker.h"

#include <string>
#include <string_view>
#include <vector>

class RawLineSplitter {
public:
    // `mode` is the reader's read mode; `las` whether the file is read as LAS;
    // `collectPreview` whether LAS preview lines are kept for the dialogs.
    RawLineSplitter(int mode, bool las, bool collectPreview, std::vector<std::wstring>& rawLines,
                    std::vector<std::wstring>& previewLines);

    // Takes the usable bytes of one chunk; false once reading should stop.
    bool AddChunk(std::string_view chunk);
    // At the end of the file: the carried text becomes the last line.
    void Finish();

private:
    void TakeLine(std::string_view bytes);
    bool LineLimitReached() const;
    bool ReadingDone() const;

    int m_mode;
    bool m_las;
    bool m_collectPreview;
    std::vector<std::wstring>& m_rawLines;
    std::vector<std::wstring>& m_previewLines;
    welldata::MultiByteConverter m_converter;
    CLasPreviewTracker m_tracker;
    std::string m_carry;
    int m_lineCount = 0;
};
