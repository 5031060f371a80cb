#include "platform/MultiByteConverter.h"
#include "platform/WideText.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

#include <gtest/gtest.h>

using namespace welldata;

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

TEST(WideText, CaseRulesCoverEveryLetterWhateverTheLocale) {
    EXPECT_EQ(ToUpper(L"dept ńé ж"), L"DEPT ŃÉ Ж");
    EXPECT_TRUE(EqualsNoCase(L"Ωmm", L"ωMM"));
    EXPECT_EQ(ToLower(L"井 GR"), L"井 gr");
}

TEST(DetectCodePage, Utf8WhenMarkedOrValidThroughoutElseGb18030) {
    const testing_support::ScratchDir dir;
    const std::string longAscii(20000, 'a'); // the decision spans the reads
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF\xD6\xD0", "UTF-8"},   // the mark decides
        {longAscii + "井深", "UTF-8"},       // valid UTF-8 throughout
        {longAscii + "\xBE\xAE", "GB18030"}, // GB18030 bytes past the first read
        {"\xE4\xBA", "GB18030"},             // a character cut at the end
        {"\xED\xA0\x80", "GB18030"},         // an encoded surrogate
    };
    for (const auto& [bytes, codePage] : cases)
        EXPECT_EQ(DetectCodePage(dir.Write("f.txt", bytes)), codePage) << bytes.substr(0, 8);
    EXPECT_EQ(DetectCodePage(dir.Write("none/f.txt", "")), "GB18030");
}
