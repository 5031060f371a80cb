#include "platform/StreamTranscoder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::Narrow;
using testing_support::Utf16;
using welldata::StreamTranscoder;

namespace {

// The UTF-8 of `bytes` fed in pieces of `piece` bytes.
std::string Transcode(const char* codePage, const std::string& bytes, size_t piece) {
    StreamTranscoder transcoder(codePage);
    EXPECT_TRUE(transcoder.IsOpen()) << codePage;
    std::string out;
    for (size_t at = 0; at < bytes.size(); at += piece)
        transcoder.Convert(std::string_view(bytes).substr(at, piece), false, out);
    transcoder.Convert({}, true, out);
    return out;
}

const size_t kPieces[] = {1, 2, 3, 5, 7, 4096};

} // namespace

TEST(StreamTranscoder, PiecesOfAnySizeGiveTheUtf8OfTheWholeWithoutItsMark) {
    // U+20BB7 is a surrogate pair; U+FEFF inside the text is no mark and stays.
    const std::wstring text = L"DEPTH 岩性\r\n1000.5 \U00020BB7\rGR\uFEFF\n";
    const std::pair<const char*, std::string> cases[] = {
        {"UTF-16LE", Utf16(text, false, true)},  {"UTF-16LE", Utf16(text)},
        {"UTF-16BE", Utf16(text, true, true)},   {"UTF-16BE", Utf16(text, true)},
        {"UTF-16", Utf16(text, false, true)},    {"UTF-16", Utf16(text, true, true)},
        {"UTF-8", "\xEF\xBB\xBF" + Narrow(text)}};
    for (const auto& [codePage, bytes] : cases) {
        for (size_t piece : kPieces)
            EXPECT_EQ(Transcode(codePage, bytes, piece), Narrow(text))
                << codePage << " " << bytes.substr(0, 2) << ", pieces of " << piece;
    }
}

TEST(StreamTranscoder, EachBadUnitBecomesOneReplacementAndTheRestStaysAligned) {
    const std::string lowSurrogate("\x00\xDC", 2), highSurrogate("\x3D\xD8", 2);
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"UTF-16LE", Utf16(L"A") + highSurrogate + Utf16(L"B\n"),
         "A\uFFFD"
         "B\n"},
        {"UTF-16LE", Utf16(L"A") + lowSurrogate + Utf16(L"B\n"),
         "A\uFFFD"
         "B\n"},
        {"UTF-16LE", Utf16(L"AB") + highSurrogate, "AB\uFFFD"}, // the stream ends inside
        {"UTF-16LE", Utf16(L"AB") + "\x43", "AB\uFFFD"},        // an odd last byte
        {"UTF-16LE", Utf16(L"A") + highSurrogate + "\x43", "A\uFFFD\uFFFD"},
        // The order a generic UTF-16 stream's mark chose holds past an error.
        {"UTF-16", Utf16(L"A", false, true) + lowSurrogate + Utf16(L"BC"),
         "A\uFFFD"
         "BC"},
        {"UTF-32LE",
         std::string("A\0\0\0\0\xD8\0\0"
                     "B\0\0\0",
                     12),
         "A\uFFFD"
         "B"},
        {"IBM037", "\xC4\xC5\xD7\xE3\xC8\x25", "DEPTH\n"}}; // EBCDIC
    for (const auto& [codePage, bytes, utf8] : cases) {
        for (size_t piece : kPieces)
            EXPECT_EQ(Transcode(codePage, bytes, piece), utf8)
                << codePage << " " << testing::PrintToString(bytes) << ", pieces of " << piece;
    }
    EXPECT_FALSE(StreamTranscoder("NO-SUCH-CODE-PAGE").IsOpen());
}
