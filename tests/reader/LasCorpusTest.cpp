// Reads every public LAS file of the shared corpus as loading a LAS file by name
// does, and checks the outcome file by file against tests/data/las/
// corpus-expected.tsv; where that table says the result agrees with the peer
// reader's reference, it checks that too, and where it differs, that a reason
// is given.
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
#include <sstream>

namespace {

namespace fs = std::filesystem;
using testing_support::MessageCapture;
using testing_support::Narrow;

using Fields = std::vector<std::string>;

Fields Split(const std::string& text, char separator) {
    Fields fields;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, separator))
        fields.push_back(field);
    if (!text.empty() && text.back() == separator)
        fields.emplace_back();
    return fields;
}

// Rows of a tab-separated file keyed by their first field; "#" lines are comments.
std::map<std::string, Fields> ReadTable(const std::string& path, size_t width) {
    std::map<std::string, Fields> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        Fields fields = Split(line, '\t');
        fields.resize(width);
        rows[fields[0]] = fields;
    }
    return rows;
}

// Tabs and line ends in cells of the table are written as \t, \r and \n.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

const std::pair<const char*, const wchar_t*> kMessageKeys[] = {
    {"no-section", L"解释数据时没有找到相应的数据段"},
    {"no-data-mark", L"解释数据时没有找到数据开始标记“~A”"},
    {"illegal-las", L"非法的Las格式文件。"},
    {"bad-wrap", L"文件数据有问题"},
    {"bad-depths", L"下列深度的数据有问题，请检查数据，确保无误之后重试：\n"},
};

// "none", a message's key, or for bad depths the key and the depth list.
std::string MessageKey(const MessageCapture& messages) {
    if (messages.Count() == 0)
        return "none";
    EXPECT_EQ(messages.Count(), 1u);
    const std::wstring& text = messages.Messages()[0].text;
    for (const auto& [key, start] : kMessageKeys) {
        const std::wstring prefix = start;
        if (text.rfind(prefix, 0) != 0)
            continue;
        return std::string(key) == "bad-depths"
                   ? "bad-depths " + Escape(Narrow(text.substr(prefix.size())))
                   : key;
    }
    return "unknown " + Escape(Narrow(text));
}

std::string FloatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct Outcome {
    std::string outcome;
    std::string message;
    std::string curves = "-";
    std::string rows = "-";
    std::string firstRow = "-";
};

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? "|" : "") + parts[i];
    return text;
}

// Reads the file as a batch load (nothing may be shown) and loads its curves,
// then reads it again interactively to capture the message of a rejection.
Outcome Load(const std::string& path) {
    Outcome outcome;
    CDataFileReader reader;
    COMMON::STRUCT_WELL_PATH wellPath;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log(&reader, &wellPath, &curves);
    reader.SetFilePath(testing_support::Widen(path));
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.EnsureSections();
    reader.SetBatchLoad(true);
    {
        MessageCapture batchMessages;
        const bool accepted = reader.Read(CDataFileReader::kReadAll) && log.LoadLas();
        EXPECT_EQ(batchMessages.Count(), 0u) << "a batch load shows nothing";
        outcome.outcome = accepted ? "accepted" : "rejected";
    }
    if (outcome.outcome == "accepted") {
        std::vector<std::string> names, first;
        for (const COMMON::STRUCT_CURVE_ITEM& curve : curves.lstCurves) {
            names.push_back(Escape(Narrow(curve.strName)));
            EXPECT_EQ(static_cast<int>(curve.vecValues.size()), reader.GetRowCount());
            if (!curve.vecValues.empty())
                first.push_back(FloatText(curve.vecValues.front()));
        }
        outcome.curves = Joined(names);
        outcome.rows = std::to_string(reader.GetRowCount());
        outcome.firstRow = Joined(first);
    }
    reader.Clear();
    reader.EnsureSections();
    reader.SetBatchLoad(false);
    MessageCapture messages;
    EXPECT_EQ(reader.Read(CDataFileReader::kReadAll), outcome.outcome == "accepted");
    outcome.message = MessageKey(messages);
    return outcome;
}

// Whether our result matches what the peer reader found: the same verdict and,
// for files both read, the same curves (its "DEPT" is our "DEPTH"), rows and
// first row (its "nan" is our null, -9999).
bool AgreesWithReference(const Fields& expected, const Fields& reference) {
    const bool accepted = expected[1] == "accepted";
    if (accepted != (reference[1] == "ok"))
        return false;
    if (!accepted)
        return true;
    Fields names = Split(reference[4], '|');
    for (std::string& name : names)
        name = name == "DEPT" ? "DEPTH" : name;
    if (Joined(names) != expected[3] || reference[3] != expected[4])
        return false;
    const Fields ours = Split(expected[5], '|');
    const Fields theirs = Split(reference[6], '|');
    if (ours.size() != theirs.size())
        return false;
    for (size_t i = 0; i < ours.size(); ++i) {
        float value = 0.0f;
        std::from_chars(ours[i].data(), ours[i].data() + ours[i].size(), value);
        if (theirs[i] == "nan") {
            if (value != -9999.0f)
                return false;
            continue;
        }
        double theirValue = 0.0;
        const auto parsed =
            std::from_chars(theirs[i].data(), theirs[i].data() + theirs[i].size(), theirValue);
        if (parsed.ec != std::errc() || parsed.ptr != theirs[i].data() + theirs[i].size() ||
            static_cast<float>(theirValue) != value)
            return false;
    }
    return true;
}

TEST(LasCorpus, EveryFileLoadsAsExpected) {
    const std::string corpus = testing_support::LasCorpusDir();
    if (!fs::is_directory(corpus))
        GTEST_SKIP() << "LAS corpus folder " << corpus
                     << " not found; the real-world check is skipped";
    ASSERT_TRUE(welldata::SetDataCodePage("GB18030"));
    const auto expected =
        ReadTable(Narrow(testing_support::DataPath("las/corpus-expected.tsv")), 8);
    const auto reference = ReadTable(corpus + "/lasio-reference.tsv", 9);

    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && extension != ".md" && extension != ".tsv")
            files.insert(fs::relative(entry.path(), corpus).generic_string());
    }
    ASSERT_EQ(files.size(), expected.size()) << "every corpus file needs a line in the table";

    int accepted = 0;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto row = expected.find(file);
        ASSERT_NE(row, expected.end());
        const Fields& want = row->second;
        const Outcome got = Load(corpus + "/" + file);
        EXPECT_EQ(got.outcome, want[1]);
        EXPECT_EQ(got.message, want[2]);
        EXPECT_EQ(got.curves, want[3]);
        EXPECT_EQ(got.rows, want[4]);
        EXPECT_EQ(got.firstRow, want[5]);
        accepted += got.outcome == "accepted";

        const auto theirs = reference.find(file);
        ASSERT_NE(theirs, reference.end());
        EXPECT_EQ(AgreesWithReference(want, theirs->second) ? "agree" : "differ", want[6]);
        if (want[6] == "differ") {
            EXPECT_FALSE(want[7].empty() || want[7] == "-") << "a difference needs its reason";
        }
    }
    std::cout << "LAS corpus: " << accepted << " accepted, " << files.size() - accepted
              << " rejected\n";
}

} // namespace
