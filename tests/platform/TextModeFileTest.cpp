#include "platform/TextModeFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

namespace {

std::string ReadAll(const std::wstring& path, size_t piece, const std::string& codePage = "") {
    welldata::TextModeFile file;
    EXPECT_TRUE(file.Open(path, codePage));
    std::string out, buffer(piece, '\0');
    long long progress = 0;
    while (size_t got = file.Read(buffer.data(), piece)) {
        out.append(buffer, 0, got);
        EXPECT_GE(file.Progress(), progress) << "progress never goes back";
        progress = file.Progress();
    }
    // A file read as it is counts the bytes given; a transcoded one its own.
    EXPECT_EQ(file.Progress(),
              file.TextCodePage() == codePage ? static_cast<long long>(out.size()) : file.Length());
    return out;
}

} // namespace

TEST(TextModeFile, TranslatesCrLfPairsOnly) {
    ScratchDir dir;
    const auto path = dir.Write("t.txt", "a\r\nb\rc\r\r\nd\n\re\r");
    for (size_t piece : {1u, 2u, 3u, 7u, 2048u})
        EXPECT_EQ(ReadAll(path, piece), "a\nb\rc\r\nd\n\re\r") << "piece " << piece;
    // A pair across the internal buffer is still one pair.
    const std::string bytes(65535, 'x');
    EXPECT_EQ(ReadAll(dir.Write("big.txt", bytes + "\r\nend"), 2048), bytes + "\nend");
}

TEST(TextModeFile, SizeOnDiskLongChineseNamesAndAFolderIsNoFile) {
    ScratchDir dir;
    welldata::TextModeFile file;
    EXPECT_FALSE(file.Open(Widen(dir.Path())));
    // No length limit on paths.
    std::filesystem::create_directory(dir.Path() + "/" + std::string(200, 'd'));
    const auto path =
        dir.Write(std::string(200, 'd') + "/" + std::string(100, 'n') + "井.txt", "x\n");
    EXPECT_EQ(ReadAll(path, 16), "x\n");
    // UTF-16 arrives as UTF-8; other code pages as they are.
    ASSERT_TRUE(file.Open(dir.Write("g.txt", "x"), "GB18030"));
    EXPECT_EQ(file.TextCodePage(), "GB18030");
    ASSERT_TRUE(file.Open(dir.Write("u.txt", Utf16(L"x")), "utf-16le"));
    EXPECT_EQ(file.TextCodePage(), "UTF-8");
}

TEST(TextModeFile, Utf16PairsAndCrLfAcrossTheBlocksReadFromTheDisk) {
    // 65534 bytes of UTF-16 before them: a CR LF pair and a surrogate pair
    // each have their first unit before byte 65536 and their second after it.
    ScratchDir dir;
    const std::wstring before(32767, L'x');
    const std::wstring after(40000, L'y'); // and more blocks behind
    const std::pair<std::wstring, std::string> middles[] = {
        {L"\r\n", "\n"}, {L"\r\r\n", "\r\n"}, {L"\U00020BB7", "\xF0\xA0\xAE\xB7"}};
    for (const auto& [middle, twinMiddle] : middles) {
        const auto path = dir.Write("u.txt", Utf16(before + middle + after));
        EXPECT_EQ(ReadAll(path, 2048, "UTF-16LE"), Narrow(before) + twinMiddle + Narrow(after));
    }
}
