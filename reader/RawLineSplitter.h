// Splits the byte chunks of a data file into non-empty lines: a line ends at
// the next LF, or at the next CR when the rest of the chunk has no LF; a
// partial line is carried into the next chunk. Preview modes stop early. An
// ASCII line goes on as its bytes; any other is decoded from the data code
// page first, and one that decodes to nothing is dropped like an empty line.
#pragma once

#include "platform/MultiByteConverter.h"
#include "reader/CLasPreviewTracker.h"
#include "reader/SourceLine.h"

#include <string>
#include <string_view>
#include <vector>

class RawLineSplitter {
public:
    // `mode` is the reader's read mode; `las` whether the file is read as LAS;
    // `collectPreview` whether LAS preview lines are kept for the dialogs;
    // `codePage` is the one the chunks are in. Every line goes to `lines`.
    RawLineSplitter(int mode, bool las, bool collectPreview,
                    std::vector<std::wstring>& previewLines, const std::string& codePage,
                    LineSink& lines);

    // Takes the usable bytes of one chunk; false once reading should stop.
    bool AddChunk(std::string_view chunk);
    // At the end of the file: the carried text becomes the last line.
    void Finish();

private:
    void TakeLine(std::string_view bytes);
    // The next line of the file from `bytes`, decoded unless it may go on as
    // it is; false when the line is empty.
    bool MakeLine(std::string_view bytes, SourceLine& line);
    bool TracksLas() const;
    bool LineLimitReached() const;
    bool ReadingDone() const;

    int m_mode;
    bool m_las;
    bool m_collectPreview;
    std::vector<std::wstring>& m_previewLines;
    LineSink& m_lines;
    std::size_t m_fileLine = 0; // lines ended so far, blank ones included
    welldata::MultiByteConverter m_converter;
    // Lines of ASCII bytes go on undecoded, unless the LAS preview tracking
    // wants every line's text.
    bool m_asciiAsIs;
    std::wstring m_wide;
    CLasPreviewTracker m_tracker;
    std::string m_carry;
    int m_lineCount = 0;
};
