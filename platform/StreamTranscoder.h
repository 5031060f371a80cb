// Turns a file's bytes in a code page whose ASCII bytes are not themselves
// (UTF-16, UTF-32, EBCDIC ...) into UTF-8 as they stream in, so that lines can
// be found in the bytes the way they are in a UTF-8 file.
#pragma once

#include <iconv.h>
#include <string>
#include <string_view>

namespace welldata {

class StreamTranscoder {
public:
    // Converts from `codePage`; IsOpen tells whether iconv knows it.
    explicit StreamTranscoder(const std::string& codePage);
    ~StreamTranscoder();
    StreamTranscoder(const StreamTranscoder&) = delete;
    StreamTranscoder& operator=(const StreamTranscoder&) = delete;

    bool IsOpen() const;
    // Appends the UTF-8 of the next piece of the stream to `out`; `last` when
    // the stream ends with it. A character cut at the end of a piece is
    // completed by the next one; bytes that do not decode, and a character
    // the stream ends inside, become one U+FFFD per code unit. A byte order
    // mark at the start of the stream is dropped: it tells the encoding, it is
    // no text.
    void Convert(std::string_view bytes, bool last, std::string& out);

private:
    iconv_t m_converter;
    size_t m_unit;
    std::string m_cut; // the start of a character cut at the end of the last piece
    bool m_atStart = true;
};

} // namespace welldata
