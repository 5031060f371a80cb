// The welldata command in either language: the library's reasons for a file
// that failed follow --lang, else the locale of messages; an empty file is
// explained in both; and under an English locale every failure on the public
// LAS corpus has an English reason.
#include "CommandRunner.h"

#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <filesystem>

using namespace cli_test;
namespace ts = testing_support;

namespace {

const std::string kEnglishLocale = "LANG=en_US.UTF-8";

bool HasChinese(const std::string& utf8) {
    return ts::HasChinese(ts::Widen(utf8));
}

} // namespace

TEST(WelldataLanguage, TheLibrarysReasonsFollowTheOptionElseTheLocaleOfMessages) {
    const ts::ScratchDir dir;
    const std::string notLas =
        ts::Narrow(dir.Write("no-curves.las", "~Version\n VERS. 2.0 :\n~A\n1 2\n"));
    const std::string empty = ts::Narrow(dir.Write("empty.txt", "\n\n"));
    const std::string chinese = "非法的Las格式文件。";
    const std::string english = "Not a valid LAS file: its ~V or ~C section is missing.";
    const std::string emptyChinese = "文件中没有文本行：文件是空的，或只有空行。";
    const std::string emptyEnglish =
        "The file holds no line of text: it is empty, or holds blank lines only.";
    struct Case {
        Texts arguments;
        std::string environment;
        const std::string& reason;
    };
    const Case cases[] = {
        {{"las", notLas}, "", chinese},
        {{"las", notLas}, "LANG=en", english},
        {{"las", notLas}, "LANG=en.UTF-8", english},
        {{"las", notLas}, "LANG=eng", chinese},
        {{"las", notLas}, "LANG=de_DE.UTF-8", chinese},
        // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
        {{"las", notLas}, "LC_ALL=C.UTF-8 LANG=en_US.UTF-8", chinese},
        {{"las", notLas}, "LC_MESSAGES=en_GB.UTF-8 LANG=zh_CN.UTF-8", english},
        {{"las", notLas}, "LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8", english},
        // The option wins over any locale, before or after the command.
        {{"las", notLas, "--lang", "en"}, "LC_ALL=zh_CN.UTF-8", english},
        {{"las", "--lang=zh", notLas}, kEnglishLocale, chinese},
        {{"--lang", "en", "las", notLas}, "", english},
        {{"path", empty}, "", emptyChinese},
        {{"log", empty}, kEnglishLocale, emptyEnglish},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment + " " + testing::PrintToString(c.arguments));
        const CommandResult result = RunWelldata(c.arguments, "", c.environment);
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(Holds(result.err, c.reason));
        EXPECT_EQ(HasChinese(result.err), HasChinese(c.reason)) << result.err;
    }
    Check({"las", notLas, "--lang", "EN"}, 2, {}, {"unknown language 'EN' (use en or zh)"});
}

TEST(WelldataLanguage, EveryFailureOnTheLasCorpusHasAnEnglishReason) {
    const std::filesystem::path corpus = ts::LasCorpusDir() + "/lasio";
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "LAS corpus folder " << corpus << " not found";
    Texts files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() == ".las")
            files.push_back(entry.path().string());
    }
    ASSERT_GT(files.size(), 50u);
    for (const Texts& encoding : {Texts{}, Texts{"--encoding", "auto"}}) {
        Texts arguments{"las", "--json", "-q"};
        arguments.insert(arguments.end(), encoding.begin(), encoding.end());
        arguments.insert(arguments.end(), files.begin(), files.end());
        const CommandResult result = RunWelldata(arguments, "", kEnglishLocale);
        SCOPED_TRACE(testing::PrintToString(encoding));
        EXPECT_EQ(result.status, 1);
        EXPECT_FALSE(HasChinese(result.err)) << result.err;
        const QJsonArray failed = ParseJson(result.out)["failed"].toArray();
        const QJsonArray loaded = ParseJson(result.out)["files"].toArray();
        EXPECT_EQ(static_cast<size_t>(failed.size() + loaded.size()), files.size());
        // The corpus holds files that are not LAS 2.0, or broken on purpose;
        // read as GB18030 its UTF-16 files are not text.
        EXPECT_GE(failed.size(), encoding.empty() ? 20 : 16);
        for (const QJsonValue& failure : failed) {
            const std::string file = failure["file"].toString().toStdString();
            const std::string reason = failure["reason"].toString().toStdString();
            EXPECT_FALSE(reason.empty()) << file;
            EXPECT_FALSE(HasChinese(reason)) << file << ": " << reason;
            EXPECT_TRUE(encoding.empty() || file.find("utf16") == std::string::npos)
                << file << " fails with --encoding auto: " << reason;
        }
    }
}
