#include "platform/MultiByteConverter.h"
#include "platform/Utf8.h"
#include "platform/WideText.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

using welldata::MultiByteConverter;

TEST(Utf8, RoundTripsEveryPlane) {
    const std::wstring text = L"A井\u00e9\U0001F600z";
    EXPECT_EQ(welldata::FromUtf8(welldata::ToUtf8(text)), text);
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
    // A lone continuation byte, an overlong encoding and a truncated sequence.
    EXPECT_EQ(welldata::FromUtf8("a\x80z"), L"a\uFFFDz");
    EXPECT_EQ(welldata::FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
    EXPECT_EQ(welldata::FromUtf8("ok\xE4\xBA"), L"ok\uFFFD\uFFFD");
}

TEST(MultiByteConverter, DecodesGb18030ByDefault) {
    ASSERT_EQ(welldata::GetDataCodePage(), "GB18030");
    MultiByteConverter converter;
    // "井深" in GB18030, then a four-byte GB18030 sequence (U+00A5 is two bytes in
    // GBK-free areas; 0x81308130 is U+0080).
    EXPECT_EQ(converter.ToWide("\xBE\xAE\xC9\xEE"), L"井深");
    EXPECT_EQ(converter.ToWide("\x81\x30\x81\x30"), L"\u0080");
}

TEST(MultiByteConverter, BadBytesNeverDropTheRestOfTheLine) {
    MultiByteConverter converter("GB18030");
    EXPECT_EQ(converter.ToWide("a\x80"
                               "b"),
              L"a\uFFFDb");
    EXPECT_EQ(converter.ToWide("depth \xBE"), L"depth \uFFFD"); // truncated at the end
}

TEST(MultiByteConverter, EncodesAndMarksWhatTheCodePageCannotHold) {
    MultiByteConverter gb("GB18030");
    EXPECT_EQ(gb.ToMultiByte(L"GR 井深"), "GR \xBE\xAE\xC9\xEE");
    MultiByteConverter latin("ISO-8859-1");
    EXPECT_EQ(latin.ToMultiByte(L"a井b"), "a?b");
}

TEST(MultiByteConverter, HostMayChooseAnotherCodePage) {
    EXPECT_FALSE(welldata::SetDataCodePage("NO-SUCH-CODE-PAGE"));
    EXPECT_EQ(welldata::GetDataCodePage(), "GB18030");
    ASSERT_TRUE(welldata::SetDataCodePage("UTF-8"));
    EXPECT_EQ(MultiByteConverter().ToWide("\xE4\xBA\x95"), L"井");
    ASSERT_TRUE(welldata::SetDataCodePage("GB18030"));
}

TEST(MultiByteConverter, UnknownCodePageStillKeepsAscii) {
    MultiByteConverter converter("NO-SUCH-CODE-PAGE");
    EXPECT_EQ(converter.ToWide("DEPT\xB0"), L"DEPT\uFFFD");
}

TEST(WideText, CaseRulesCoverEveryLetterWhateverTheLocale) {
    EXPECT_EQ(welldata::ToUpper(L"dept ńé ж"), L"DEPT ŃÉ Ж");
    EXPECT_TRUE(welldata::EqualsNoCase(L"Ωmm", L"ωMM"));
    EXPECT_EQ(welldata::ToLower(L"井 GR"), L"井 gr");
}
