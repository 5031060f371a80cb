#include "platform/ProfileSection.h"
#include "platform/MultiByteConverter.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

using testing_support::Narrow;
using testing_support::ScratchDir;
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
        {"UTF-16 LE", "\xFF\xFE" + Encode("UTF-16LE", kText)},
        {"UTF-16 BE", "\xFE\xFF" + Encode("UTF-16BE", kText)},
        {"UTF-8", "\xEF\xBB\xBF" + Narrow(kText)},
        {"GB18030 without mark", Encode("GB18030", kText)}};
    ScratchDir dir;
    for (const auto& [name, bytes] : cases)
        EXPECT_EQ(ReadLines(dir.Write("a.ini", bytes), L"曲线"), kExpected) << name;

    const std::wstring utf8 = dir.Write("b.ini", Narrow(kText));
    EXPECT_NE(ReadLines(utf8, L"曲线"), kExpected) << "UTF-8 bytes are not GB18030 text";
    const std::string previous = welldata::GetDataCodePage();
    ASSERT_TRUE(welldata::SetDataCodePage("UTF-8"));
    const Lines lines = ReadLines(utf8, L"曲线");
    welldata::SetDataCodePage(previous);
    EXPECT_EQ(lines, kExpected);
}

TEST(ProfileSectionTest, TrimsEntriesAndDropsBlankAndCommentLines) {
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
}

TEST(ProfileSectionTest, MissingFileOrSectionGivesNothing) {
    ScratchDir dir;
    const std::wstring path = dir.Write("a.ini", "[empty]\n; comment\n[full]\na=1\n");
    const std::pair<std::wstring, std::wstring> cases[] = {
        {path, L"empty"},
        {path, L"absent"},
        {path + L".absent", L"full"},
        {testing_support::Widen(dir.Path()), L"full"}};
    for (const auto& [file, section] : cases) {
        const ProfileSection read(file, section, 1024);
        EXPECT_EQ(read.Count(), 0u) << Narrow(file) << " " << Narrow(section);
        EXPECT_TRUE(read.Lines().empty());
    }
}

TEST(ProfileSectionTest, CountsAndCutsLikeTheWindowsReader) {
    ScratchDir dir;
    // Joined, the section is "abc=1\0de=2\0": 11 characters and the closing NUL.
    const std::wstring path = dir.Write("a.ini", "[s]\nabc=1\nde=2\n");
    const struct {
        size_t bufferSize, count;
        Lines lines;
    } cases[] = {{12, 11, {L"abc=1", L"de=2"}},
                 {11, 9, {L"abc=1", L"de="}},
                 {8, 6, {L"abc=1"}},
                 {7, 5, {L"abc=1"}},
                 {3, 1, {L"a"}},
                 {2, 0, {}},
                 {0, 0, {}}};
    for (const auto& c : cases) {
        const ProfileSection read(path, L"s", c.bufferSize);
        EXPECT_EQ(read.Count(), c.count) << c.bufferSize;
        EXPECT_EQ(read.Lines(), c.lines) << c.bufferSize;
        EXPECT_EQ(read.Buffer()[c.count], L'\0');
        EXPECT_EQ(read.Buffer()[c.count + 1], L'\0');
    }
}

} // namespace
