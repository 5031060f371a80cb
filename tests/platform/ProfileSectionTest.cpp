#include "platform/ProfileSection.h"
#include "platform/MultiByteConverter.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

using namespace testing_support;
using welldata::ProfileSection;
using Lines = std::vector<std::wstring>;

namespace {

Lines ReadLines(const std::wstring& path, const std::wstring& section) {
    return ProfileSection(path, section, 4096).Lines();
}

std::string Encode(const char* codePage, const std::wstring& text) {
    return welldata::MultiByteConverter(codePage).ToMultiByte(text);
}
// U+20BB7 needs a surrogate pair in UTF-16 and four bytes in GB18030.
const std::wstring kText = L"[曲线]\r\nGR = 自然伽马 \U00020BB7 \r\n[other]\r\nX=1\r\n";
const Lines kExpected = {L"GR=自然伽马 \U00020BB7"};

TEST(ProfileSectionTest, DecodesByByteOrderMarkElseInTheDataCodePage) {
    const std::pair<const char*, std::string> cases[] = {
        {"UTF-16 BE", "\xFE\xFF" + Encode("UTF-16BE", kText)},
        {"GB18030 without mark", Encode("GB18030", kText)}};
    ScratchDir dir;
    for (const auto& [name, bytes] : cases)
        EXPECT_EQ(ReadLines(dir.Write("a.ini", bytes), L"曲线"), kExpected) << name;

    const std::wstring utf8 = dir.Write("b.ini", Narrow(kText));
    ASSERT_TRUE(welldata::SetDataCodePage("UTF-8"));
    const Lines lines = ReadLines(utf8, L"曲线");
    welldata::SetDataCodePage("GB18030");
    EXPECT_EQ(lines, kExpected);
}

TEST(ProfileSectionTest, TrimsEntriesDropsBlankAndCommentLinesAndMissingGivesNothing) {
    ScratchDir dir;
    const std::wstring path = dir.Write("a.ini", "top=ignored\n[First]\na=1\n"
                                                 "\t key \t=\t value  with  spaces \t\r\n\n   \n"
                                                 "; comment\n  ;indented comment\n"
                                                 "  no equals sign  \ra=2\r=empty key\n"
                                                 "x=y=z\n  [Second]  \nb=1\n[first]\nc=1\n");
    EXPECT_EQ(ReadLines(path, L"first"),
              (Lines{L"a=1", L"key=value  with  spaces", L"no equals sign", L"a=2", L"=empty key",
                     L"x=y=z"}));
    EXPECT_EQ(ReadLines(path, L"SECOND"), Lines{L"b=1"});
    // A missing file, folder or section, and a section of comments only, give nothing.
    const std::wstring empty = dir.Write("b.ini", "[empty]\n; comment\n[full]\na=1\n");
    for (const auto& [file, section] : {std::pair{empty, L"empty"},
                                        {empty, L"absent"},
                                        {empty + L".absent", L"full"},
                                        {Widen(dir.Path()), L"full"}})
        EXPECT_EQ(ProfileSection(file, section, 1024).Count(), 0u) << Narrow(file + section);
}

TEST(ProfileSectionTest, CountsAndCutsLikeTheWindowsReader) {
    ScratchDir dir;
    // Joined, the section is "abc=1\0de=2\0": 11 characters and the closing NUL.
    const std::wstring path = dir.Write("a.ini", "[s]\nabc=1\nde=2\n");
    // Buffer size, characters counted, lines.
    const std::tuple<size_t, size_t, Lines> cases[] = {
        {12, 11, {L"abc=1", L"de=2"}}, {11, 9, {L"abc=1", L"de="}}, {3, 1, {L"a"}}, {2, 0, {}}};
    for (const auto& [bufferSize, count, lines] : cases) {
        const ProfileSection read(path, L"s", bufferSize);
        EXPECT_EQ(read.Count(), count) << bufferSize;
        EXPECT_EQ(read.Lines(), lines) << bufferSize;
        EXPECT_EQ(read.Buffer()[count] + read.Buffer()[count + 1], 0) << "two closing NULs";
    }
}

} // namespace
