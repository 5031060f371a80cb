#include "CommandRunner.h"

#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace cli_test {

namespace ts = testing_support;

std::string ReadFile(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

CommandResult RunWelldata(const Texts& arguments, const std::string& input,
                          const std::string& environment) {
    const ts::ScratchDir dir;
    dir.Write("stdin", input);
    std::string command = "cd '" WELLDATA_SOURCE_DIR
                          "/samples' && env -u DISPLAY -u WAYLAND_DISPLAY "
                          "-u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES -u LANG " +
                          environment + " '" WELLDATA_CLI_PREFIX "/bin/welldata'";
    for (const std::string& argument : arguments) // none holds a single quote
        command += " '" + argument + "'";
    const std::string files = "'" + dir.Path() + "'/std";
    const int status =
        std::system((command + " <" + files + "in >" + files + "out 2>" + files + "err").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir.Path() + "/stdout"),
            ReadFile(dir.Path() + "/stderr")};
}

testing::AssertionResult Holds(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos ? testing::AssertionSuccess()
                                                 : testing::AssertionFailure()
                                                       << "no '" << piece << "' in\n"
                                                       << text;
}

CommandResult Check(const Texts& arguments, int status, const Texts& out, const Texts& err,
                    const std::string& input) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    CommandResult result = RunWelldata(arguments, input);
    EXPECT_EQ(result.status, status) << result.err;
    for (const std::string& text : out)
        EXPECT_TRUE(Holds(result.out, text));
    for (const std::string& text : err)
        EXPECT_TRUE(Holds(result.err, text));
    EXPECT_TRUE(!err.empty() || result.err.empty()) << result.err;
    EXPECT_TRUE(status != 2 || result.out.empty()) << result.out;
    return result;
}

Csv ParseCsv(const std::string& text) {
    Csv rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.back().emplace_back();
        else if (!quoted && c == '\n')
            rows.emplace_back(1);
        else
            rows.back().back() += c;
    }
    rows.pop_back(); // after the last line end
    return rows;
}

QJsonObject ParseJson(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return document.object();
}

QJsonObject JsonFile(Texts arguments, bool withWarnings) {
    arguments.push_back("--json");
    const CommandResult result = withWarnings ? RunWelldata(arguments) : Check(arguments, 0, {});
    EXPECT_EQ(result.status, 0) << result.err;
    return ParseJson(result.out)["files"][0].toObject();
}

QJsonObject Column(const QJsonObject& file, const QString& name) {
    for (const QJsonValue& column : file["columns"].toArray()) {
        if (column["name"] == name)
            return column.toObject();
    }
    ADD_FAILURE() << "no column " << name.toStdString();
    return {};
}

} // namespace cli_test
