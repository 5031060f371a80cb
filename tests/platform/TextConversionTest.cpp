#include "platform/MultiByteConverter.h"
#include "platform/StreamTranscoder.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

#include <gtest/gtest.h>

using namespace welldata;
using testing_support::Narrow;
using testing_support::Utf16;

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

TEST(Utf8, RoundTripsEveryPlaneAndMarksInvalidBytes) {
    const std::wstring text = L"A井\u00e9\U0001F600z";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    // A lone continuation byte, an overlong encoding and a truncated sequence.
    EXPECT_EQ(FromUtf8("a\x80z"), L"a\uFFFDz");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
    EXPECT_EQ(FromUtf8("ok\xE4\xBA"), L"ok\uFFFD\uFFFD");
}

TEST(MultiByteConverter, Gb18030ByDefaultMarksBadBytesAndNeverDropsTheRestOfTheLine) {
    ASSERT_EQ(GetDataCodePage(), "GB18030");
    MultiByteConverter converter;
    EXPECT_EQ(converter.ToWide("\xBE\xAE\xC9\xEE"), L"井深");
    EXPECT_EQ(converter.ToWide("\x81\x30\x81\x30"), L"\u0080"); // a four-byte sequence
    EXPECT_EQ(converter.ToWide("depth \xBE"), L"depth \uFFFD"); // truncated at the end
    EXPECT_EQ(MultiByteConverter("GB18030").ToMultiByte(L"GR 井深"), "GR \xBE\xAE\xC9\xEE");
    EXPECT_EQ(MultiByteConverter("ISO-8859-1").ToMultiByte(L"a井b"), "a?b");
}

TEST(MultiByteConverter, AnUnknownCodePageIsRefusedAndKeepsAscii) {
    EXPECT_FALSE(SetDataCodePage("NO-SUCH-CODE-PAGE"));
    EXPECT_EQ(GetDataCodePage(), "GB18030");
    EXPECT_EQ(MultiByteConverter("NO-SUCH-CODE-PAGE").ToWide("DEPT\xB0"), L"DEPT\uFFFD");
}

TEST(DetectCodePage, ByMarkThenUtf16ZeroBytesThenValidUtf8ElseGb18030) {
    const testing_support::ScratchDir dir;
    const std::string longAscii(20000, 'a'); // the decision spans the reads
    const std::wstring table = L"DEPTH\tGR\r\n1000.5\t45\r\n";
    std::string zerosBothSides;
    for (int i = 0; i < 100; ++i)
        zerosBothSides += std::string("\0\0\x91\x92", 4);
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF\xD6\xD0", "UTF-8"},                            // the mark decides
        {Utf16(L"井深 岩性", false, true), "UTF-16LE"},               // a mark needs no zero bytes
        {Utf16(table), "UTF-16LE"},                                   // zero bytes after ASCII
        {Utf16(table) + "\x31", "UTF-16LE"},                          // an odd length
        {Utf16(L"GR ") + "\x3D\xD8" + Utf16(L" 12\r\n"), "UTF-16LE"}, // a lone high surrogate
        {Utf16(L"灰色细砂岩，泥质胶结，中砂岩"), "GB18030"}, // mostly Chinese needs its mark
        {zerosBothSides, "GB18030"},                         // binary: zeros on both sides
        {"DEPTH \xBE\xAE" + std::string(1, '\0') + "1000\n", "GB18030"}, // one stray NUL
        {longAscii + "井深", "UTF-8"},                                   // valid UTF-8 throughout
        {longAscii + "\xBE\xAE", "GB18030"}, // GB18030 bytes past the first read
    };
    for (const auto& [bytes, codePage] : cases)
        EXPECT_EQ(DetectCodePage(dir.Write("f.txt", bytes)), codePage)
            << testing::PrintToString(bytes.substr(0, 12));
    EXPECT_EQ(DetectCodePage(dir.Write("none/f.txt", "")), "GB18030");
}

TEST(StreamTranscoder, PiecesOfAnySizeGiveTheUtf8OfTheWholeWithoutItsMark) {
    // U+20BB7 is a surrogate pair; U+FEFF inside the text is no mark and stays.
    const std::wstring text = L"DEPTH 岩性\r\n1000.5 \U00020BB7\rGR\uFEFF\n";
    const std::string utf8 = Narrow(text);
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"UTF-16LE", Utf16(text, false, true), utf8},
        {"UTF-16LE", Utf16(text), utf8},
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
