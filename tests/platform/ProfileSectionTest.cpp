#include "platform/ProfileSection.h"
#include "platform/MultiByteConverter.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using testing_support::Narrow;
using testing_support::ScratchDir;
using testing_support::Widen;
using welldata::ProfileSection;

namespace {

std::string Utf16Bytes(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        std::u16string units;
        if (c > 0xFFFF) {
            const auto v = static_cast<char32_t>(c) - 0x10000;
            units = {static_cast<char16_t>(0xD800 + (v >> 10)),
                     static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
        } else {
            units = {static_cast<char16_t>(c)};
        }
        for (char16_t unit : units) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
    }
    return bytes;
}

std::vector<std::wstring> ReadLines(const std::wstring& path, const std::wstring& section,
                                    size_t bufferSize = 4096) {
    return ProfileSection(path, section, bufferSize).Lines();
}

// One section in every encoding the reader accepts; the U+20BB7 character
// needs a surrogate pair in UTF-16 and four bytes in GB18030.
const std::wstring kText = L"[曲线]\r\nGR = 自然伽马 \U00020BB7 \r\n[other]\r\nX=1\r\n";
const std::vector<std::wstring> kExpected = {L"GR=自然伽马 \U00020BB7"};

struct EncodingCase {
    const char* name;
    std::string bytes;
};

TEST(ProfileSectionTest, DecodesEveryAcceptedEncoding) {
    welldata::MultiByteConverter gb18030("GB18030");
    const std::vector<EncodingCase> cases = {
        {"UTF-16 LE with BOM", Utf16Bytes(kText, false)},
        {"UTF-16 BE with BOM", Utf16Bytes(kText, true)},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + Narrow(kText)},
        {"GB18030 without BOM", gb18030.ToMultiByte(kText)},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadLines(dir.Write("settings.ini", c.bytes), L"曲线"), kExpected);
    }
}

TEST(ProfileSectionTest, FileWithoutBomIsReadInTheDataCodePage) {
    ScratchDir dir;
    const std::wstring path = dir.Write("utf8.ini", Narrow(kText));
    EXPECT_NE(ReadLines(path, L"曲线"), kExpected) << "UTF-8 bytes are not GB18030 text";

    const std::string previous = welldata::GetDataCodePage();
    ASSERT_TRUE(welldata::SetDataCodePage("UTF-8"));
    const auto lines = ReadLines(path, L"曲线");
    welldata::SetDataCodePage(previous);
    EXPECT_EQ(lines, kExpected);
}

TEST(ProfileSectionTest, KeepsEntriesAndDropsBlanksAndComments) {
    ScratchDir dir;
    const std::wstring path =
        dir.Write("settings.ini", "top=ignored\n"
                                  "[First]\n"
                                  "a=1\n"
                                  "\t key \t=\t value with  two  spaces \t\r\n"
                                  "\n"
                                  "   \n"
                                  "; a comment\n"
                                  "  ;indented comment\n"
                                  "  no equals sign  \r"
                                  "a=2\r"
                                  "=empty key\n"
                                  "empty value=\n"
                                  "x=y=z\n"
                                  "  [Second]  \n"
                                  "b=1\n");
    const std::vector<std::wstring> expected = {L"a=1",
                                                L"key=value with  two  spaces",
                                                L"no equals sign",
                                                L"a=2",
                                                L"=empty key",
                                                L"empty value=",
                                                L"x=y=z"};
    EXPECT_EQ(ReadLines(path, L"first"), expected);
    EXPECT_EQ(ReadLines(path, L"SECOND"), std::vector<std::wstring>{L"b=1"});
}

TEST(ProfileSectionTest, ReadsOnlyTheFirstSectionOfAName) {
    ScratchDir dir;
    const std::wstring path = dir.Write("settings.ini", "[s]\na=1\n[ S ]\na=2\n");
    EXPECT_EQ(ReadLines(path, L"s"), std::vector<std::wstring>{L"a=1"});
}

TEST(ProfileSectionTest, MissingFileOrSectionGivesNothing) {
    ScratchDir dir;
    const std::wstring path = dir.Write("settings.ini", "[empty]\n; only a comment\n[full]\na=1\n");
    for (const auto& [file, section] :
         std::vector<std::pair<std::wstring, std::wstring>>{{path, L"empty"},
                                                            {path, L"absent"},
                                                            {path + L".missing", L"full"},
                                                            {Widen(dir.Path()), L"full"}}) {
        SCOPED_TRACE(Narrow(file + L" " + section));
        const ProfileSection read(file, section, 1024);
        EXPECT_EQ(read.Count(), 0u);
        EXPECT_TRUE(read.Lines().empty());
        EXPECT_EQ(read.Buffer()[0], L'\0');
    }
}

struct BufferCase {
    size_t bufferSize;
    size_t count;
    std::vector<std::wstring> lines;
};

TEST(ProfileSectionTest, CountsAndCutsLikeTheWindowsReader) {
    ScratchDir dir;
    // Joined, the section is "abc=1\0de=2\0": 11 characters, 12 with the closing NUL.
    const std::wstring path = dir.Write("settings.ini", "[s]\nabc=1\nde=2\n");
    const std::vector<BufferCase> cases = {
        {4096, 11, {L"abc=1", L"de=2"}},
        {12, 11, {L"abc=1", L"de=2"}},
        {11, 9, {L"abc=1", L"de="}},
        {8, 6, {L"abc=1"}},
        {7, 5, {L"abc=1"}},
        {3, 1, {L"a"}},
        {2, 0, {}},
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bufferSize);
        const ProfileSection read(path, L"s", c.bufferSize);
        EXPECT_EQ(read.Count(), c.count);
        EXPECT_EQ(read.Lines(), c.lines);
        EXPECT_EQ(read.Buffer()[c.count], L'\0');
        EXPECT_EQ(read.Buffer()[c.count + 1], L'\0');
    }
}

TEST(ProfileSectionTest, ReadsPathsLongerThanTheWindowsLimit) {
    ScratchDir dir;
    std::filesystem::path folder = dir.Path();
    for (int i = 0; i < 4; ++i)
        folder /= std::string(80, static_cast<char>('a' + i)) + "井";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "settings.ini").string();
    ASSERT_GT(file.size(), 300u);
    {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("[s]\na=1\n", out);
        std::fclose(out);
    }
    EXPECT_EQ(ReadLines(Widen(file), L"s"), std::vector<std::wstring>{L"a=1"});
}

} // namespace
