// Every public corpus LAS file, loaded as by name, must match corpus-expected.tsv
// (whose last columns say where and why a peer reader differs).
#include "loaders/CWellLog.h"
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;
using testing_support::MessageCapture;
using testing_support::Narrow;
using Fields = std::vector<std::string>;

enum { kFile, kOutcome, kMessage, kCurves, kRows, kFirstRow, kReference, kReason, kColumns };

std::string Join(const Fields& parts) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? "|" : "") + parts[i];
    return text;
}

// The rows of the expected table by file; "#" lines are comments.
std::map<std::string, Fields> ReadExpected() {
    std::map<std::string, Fields> rows;
    std::ifstream in(Narrow(testing_support::DataPath("las/corpus-expected.tsv")));
    for (std::string line; std::getline(in, line);) {
        Fields fields(1);
        for (char c : line)
            c == '\t' ? fields.emplace_back() : fields.back() += c;
        fields.resize(kColumns);
        if (!line.empty() && line.front() != '#')
            rows[fields[kFile]] = fields;
    }
    return rows;
}

// "none", or the key of the message shown; bad depths add their list.
std::string MessageKey(const MessageCapture& messages) {
    const std::pair<const char*, std::wstring> keys[] = {
        {"no-section", L"解释数据时没有找到相应的数据段"},
        {"no-data-mark", L"解释数据时没有找到数据开始标记“~A”"},
        {"illegal-las", L"非法的Las格式文件。"},
        {"bad-wrap", L"文件数据有问题"},
        {"bad-depths", L"下列深度的数据有问题，请检查数据，确保无误之后重试：\n"}};
    if (messages.Count() != 1)
        return messages.Count() == 0 ? "none" : "several";
    std::wstring text = messages.Messages()[0].text;
    for (const auto& [key, start] : keys) {
        if (text.rfind(start, 0) != 0)
            continue;
        std::wstring depths = text.substr(start.size());
        std::erase_if(depths, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
        return std::string(key) == "bad-depths" ? "bad-depths " + Narrow(depths) : key;
    }
    return "unknown " + Narrow(text);
}

std::string FloatText(float value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The file as a batch load (nothing may be shown) and its curves, then the
// message an interactive read shows; in the columns of the expected table.
Fields Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    testing_support::ScratchFile las;
    CDataFileReader& reader = las.reader;
    COMMON::STRUCT_WELL_PATH wellPath;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log(&reader, &wellPath, &curves);
    Fields got(kReference, "-");
    MessageCapture batchMessages;
    const bool accepted = las.ReadLas(bytes, CDataFileReader::kReadAll, true) && log.LoadLas();
    EXPECT_EQ(batchMessages.Count(), 0u);
    got[kOutcome] = accepted ? "accepted" : "rejected";
    if (accepted) {
        Fields names, first;
        for (const COMMON::STRUCT_CURVE_ITEM& curve : curves.lstCurves) {
            names.push_back(Narrow(curve.strName));
            EXPECT_EQ(curve.vecValues.size(), size_t(reader.GetRowCount()));
            if (!curve.vecValues.empty())
                first.push_back(FloatText(curve.vecValues.front()));
        }
        got[kCurves] = Join(names);
        got[kRows] = std::to_string(reader.GetRowCount());
        got[kFirstRow] = Join(first);
    }
    MessageCapture messages;
    EXPECT_EQ(las.ReadLas(bytes), accepted);
    got[kMessage] = MessageKey(messages);
    return got;
}

TEST(LasCorpus, EveryFileLoadsAsExpected) {
    const std::string corpus = testing_support::LasCorpusDir();
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "LAS corpus folder " << corpus << " not found: real-world check skipped";
    ASSERT_TRUE(welldata::SetDataCodePage("GB18030"));
    const auto expected = ReadExpected();
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && extension != ".md" && extension != ".tsv")
            files.insert(fs::relative(entry.path(), corpus).generic_string());
    }
    ASSERT_EQ(files.size(), expected.size()) << "every corpus file needs a line in the table";

    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(expected.count(file));
        const Fields& want = expected.at(file);
        const Fields got = Load(corpus + "/" + file);
        for (int column : {kOutcome, kMessage, kCurves, kRows, kFirstRow})
            EXPECT_EQ(got[column], want[column]) << "column " << column;
    }
}

} // namespace
