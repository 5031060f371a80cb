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
    const std::string utf8 = Narrow(text);
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"UTF-16LE", Utf16(text, false, true), utf8},
        {"UTF-16LE", Utf16(text), utf8},
        {"UTF-16BE", Utf16(text, true, true), utf8},
        {"UTF-16BE", Utf16(text, true), utf8},
        {"UTF-16", Utf16(text, false, true), utf8},
        {"UTF-16", Utf16(text, true, true), utf8},
        {"UTF-8", "\xEF\xBB\xBF" + utf8, utf8},
        // A bad unit becomes one replacement and the rest stays aligned.
        {"UTF-16LE", Utf16(L"A") + std::string("\x00\xDC", 2) + Utf16(L"B"), "A\uFFFDB"},
        {"UTF-16LE", Utf16(L"AB") + "\x43", "AB\uFFFD"},
        {"IBM037", "\xC4\xC5\xD7\xE3\xC8\x25", "DEPTH\n"}}; // EBCDIC
    for (const auto& [codePage, bytes, expected] : cases) {
        for (size_t piece : kPieces)
            EXPECT_EQ(Transcode(codePage, bytes, piece), expected)
                << codePage << " " << testing::PrintToString(bytes.substr(0, 4)) << ", pieces of "
                << piece;
    }
    EXPECT_FALSE(StreamTranscoder("NO-SUCH-CODE-PAGE").IsOpen());
}
