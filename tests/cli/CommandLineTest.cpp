// The installed welldata command, run as a user runs it. The data it writes is
// checked parsed, as CSV cells and JSON values.
#include "CommandRunner.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace cli_test;
namespace ts = testing_support;

TEST(WelldataCommand, LoadsEveryBundledSample) {
    const std::tuple<const char*, const char*, const char*, int> samples[] = {
        {"las", "well_log.las", "LAS well log", 240},
        {"log", "well_log.txt", "well log table", 240},
        {"path", "well_path.txt", "well path", 24},
        {"heads", "well_heads.txt", "well heads", 12},
        {"core-analysis", "rock_core_analysis.txt", "rock core analysis", 30},
        {"core-describe", "rock_core_describe.txt", "rock core description", 12}};
    for (const auto& [command, name, kind, rows] : samples) {
        const QJsonObject file = JsonFile({command, name});
        EXPECT_EQ(std::pair(file["kind"], file["rows"]),
                  std::pair(QJsonValue(kind), QJsonValue(rows)));
    }
    const QJsonObject rt = Column(JsonFile({"las", "well_log.las"}), "RT");
    EXPECT_EQ(std::pair(rt["min"], rt["max"]), std::pair(QJsonValue(23.3933), QJsonValue(152.987)));
    Check({"curve-name", "gr", "--display"}, 0, {"自然伽马\n"});
    Check({"curve-units", "GR"}, 0, {"API\tGAPI\t微伦琴/小时\n"});
}

TEST(WelldataCommand, WritesTheFullDataInEveryForm) {
    const ts::ScratchDir dir;
    // Two files share one CSV table under the FILE column; nulls are empty.
    const std::string csv = dir.Path() + "/logs.csv";
    EXPECT_EQ(Check({"las", "well_log_feet.las", "well_log.las", "--csv", "-o", csv}, 0, {}).out,
              "");
    const Csv table = ParseCsv(ReadFile(csv));
    ASSERT_EQ(table.size(), 1u + 24 + 240);
    EXPECT_EQ(table[0],
              (Texts{"FILE", "DEPTH", "GR", "DEN", "RT", "SP", "AC", "CNL", "RXO", "CAL"}));
    EXPECT_EQ(table[1], (Texts{"well_log_feet.las", "2149.7544", "66.1988", "2.4379", "41.4285", "",
                               "", "", "", ""}));
    EXPECT_EQ(table[25][0], "well_log.las");
    EXPECT_EQ(table[25][3], "");

    // JSON writes the null value as null.
    const std::string jsonText = Check({"las", "well_log.las", "--json"}, 0, {}).out;
    const QJsonObject den = Column(ParseJson(jsonText)["files"][0].toObject(), "DEN");
    EXPECT_EQ(den["nulls"], 3);
    EXPECT_TRUE(den["values"][0].isNull() && den["values"][2].isNull());
    EXPECT_EQ(den["values"][3], 2.435);
    // Options before the command, after the files, and "--"; standard input as a file.
    EXPECT_EQ(RunWelldata({"--json", "las", "--", "well_log.las"}).out, jsonText);
    EXPECT_TRUE(Holds(
        Check({"heads", "-"}, 0, {}, {}, ReadFile(WELLDATA_SOURCE_DIR "/samples/well_heads.txt"))
            .out,
        "(standard input)"));

    // Plots, drawn without a display; one per file when there are several.
    const std::string plot = dir.Path() + "/plot.png";
    Check({"las", "well_log.las", "well_log_feet.las", "--plot", plot}, 0, {});
    for (const std::string& picture :
         {dir.Path() + "/plot-well_log.png", dir.Path() + "/plot-well_log_feet.png"})
        EXPECT_EQ(ReadFile(picture).rfind("\x89PNG\r\n", 0), 0u) << picture;
    // Ten metres at 1:50 are 20 cm, 756 pixels at 96 dots per inch, under the headers.
    Check({"las", "well_log.las", "--plot", plot, "--depth-range", "2160:2170", "--depth-scale",
           "1:50"},
          0, {});
    const std::string png = ReadFile(plot);
    const int height =
        static_cast<unsigned char>(png.at(22)) * 256 + static_cast<unsigned char>(png.at(23));
    EXPECT_TRUE(height > 756 && height < 756 + 300) << height;
    Check({"las", "well_log.las", "--plot", plot, "--depth-range", "3000:3100"}, 1, {},
          {"no depth of the log lies between 3000 and 3100"});
}

TEST(WelldataCommand, ShowsTheLasHeaderOnRequest) {
    const QJsonArray header = JsonFile({"las", "well_log.las", "--header"})["header"].toArray();
    ASSERT_EQ(header.size(), 5);
    EXPECT_EQ(header[1]["section"], "~W");
    EXPECT_EQ(
        header[1]["items"][5].toObject(),
        (QJsonObject{
            {"mnemonic", "WELL"}, {"unit", ""}, {"value", "HD-12"}, {"description", " WELL"}}));
    EXPECT_FALSE(JsonFile({"las", "well_log.las"}).contains("header"));
    Check({"las", "well_log.las", "--header"}, 0, {"\n  ~W\n    STRT  M  2150.0000"});
    Check({"las", "well_log.las", "--header", "--csv"}, 2, {}, {"not in CSV"});
}

TEST(WelldataCommand, ReadsEachFileInTheCodePageAskedFor) {
    const ts::ScratchDir dir;
    const std::string utf8 =
        ts::Narrow(dir.Write("u.txt", "顶深 底深 岩性\r\n1601 1603.5 泥岩\r\n"));
    // GB18030, the default, mis-decodes a UTF-8 file: nothing is recognised.
    Check({"core-describe", utf8}, 1, {}, {"no column recognised for --top"});
    for (const char* encoding : {"utf-8", "auto"})
        EXPECT_EQ(
            ParseCsv(Check({"core-describe", utf8, "--encoding", encoding, "--csv"}, 0, {}).out)[1],
            (Texts{utf8, "1601", "1603.5", "泥岩"}));
    Check({"las", utf8, "--encoding", "no-such-page"}, 2, {},
          {"unknown encoding 'no-such-page' (use auto or a name iconv knows)"});
}

TEST(WelldataCommand, ReportsBadInputWithMessagesAndExitStatus) {
    const std::tuple<Texts, int, Texts> cases[] = {
        {{"las", "missing.las"}, 1, {"welldata: missing.las: 打开文件失败。"}},
        {{"heads", "rock_core_analysis.txt"}, 1, {"--name (1:DEPTH 2:POR"}},
        {{"heads", "well_heads.txt", "--x", "Easting"}, 1, {"--x Easting: no such column"}},
        {{"log", "well_log.txt", "--path", "tvd-x-y"}, 1, {"needs --tvd, --x, --y"}},
        {{"las", "well_log.las", "--depth-unit", "furlong"}, 2, {"'furlong' for --depth-unit"}},
        {{"path", "well_path.txt", "--null", "none"}, 2, {"--null none: not a number"}},
        {{"las", "--frobnicate", "a.las"}, 2, {"unknown option '--frobnicate'"}},
        {{"las"}, 2, {"no file given", "Try 'welldata las --help'."}},
        {{"las", "--csv", "--json", "well_log.las"}, 2, {"choose one of --csv and --json"}},
        {{"las", "well_log.las", "--settings", "x.ini"}, 1, {"cannot read the settings"}},
        {{"las", "well_log.las", "-o", "/nonexistent/out.txt"}, 1, {"cannot write"}},
        {{"las", "well_log.las", "--plot", "plot.jpg"}, 2, {"name a file ending in .png"}},
        {{"path", "well_path.txt", "--positions", "--head", "1"}, 2, {"--head"}},
        {{"path", "well_path.txt", "--true-north"}, 2, {"unknown option '--true-north'"}},
    };
    for (const auto& [arguments, status, err] : cases)
        Check(arguments, status, {}, err);
    Check({"curve-name", "NOSUCHCURVE"}, 1, {"NOSUCHCURVE\n"}, {"no standard name"});
}

} // namespace
