// Runs the installed welldata command as a user runs it and parses what it
// writes: CSV cells and JSON values, so that tests check values, not text.
#pragma once

#include <QJsonObject>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cli_test {

using Texts = std::vector<std::string>;
using Csv = std::vector<std::vector<std::string>>;

struct CommandResult {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path);
// Runs in the samples folder, as a user would, with no display for plots and
// no locale (the library's messages in Chinese) unless `environment` gives
// one ("LANG=en_US.UTF-8").
CommandResult RunWelldata(const Texts& arguments, const std::string& input = std::string(),
                          const std::string& environment = std::string());
testing::AssertionResult Holds(const std::string& text, const std::string& piece);
// Standard error stays empty unless text is expected; usage errors print no output.
CommandResult Check(const Texts& arguments, int status, const Texts& out, const Texts& err = {},
                    const std::string& input = std::string());
// Rows of cells: "" quotes and doubled quotes inside them, one row per line.
Csv ParseCsv(const std::string& text);
QJsonObject ParseJson(const std::string& text);
// The first file of a run with --json that succeeds; standard error may hold
// text only `withWarnings`.
QJsonObject JsonFile(Texts arguments, bool withWarnings = false);
// The column of a file's JSON object by its name.
QJsonObject Column(const QJsonObject& file, const QString& name);

} // namespace cli_test
