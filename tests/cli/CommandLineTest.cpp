// The installed welldata command, run as a user runs it.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

namespace {

using Texts = std::vector<std::string>;
namespace ts = testing_support;

struct CommandResult {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

// Runs in the samples folder, as a user would, and with no display for plots.
CommandResult RunWelldata(const Texts& arguments, const std::string& input = std::string()) {
    const ts::ScratchDir dir;
    dir.Write("stdin", input);
    std::string command =
        "cd '" WELLDATA_SOURCE_DIR "/samples' && env -u DISPLAY -u WAYLAND_DISPLAY "
        "-u QT_QPA_PLATFORM '" WELLDATA_CLI_PREFIX "/bin/welldata'";
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

size_t Count(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// Standard error stays empty unless text is expected; usage errors print no output.
CommandResult Check(const Texts& arguments, int status, const Texts& out, const Texts& err = {},
                    const std::string& input = std::string()) {
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

TEST(WelldataCommand, LoadsEveryBundledSample) {
    const std::pair<Texts, Texts> cases[] = {
        {{"las", "well_log.las"}, {"well_log.las: LAS well log, 9 curves, 240 samples", "OHMM"}},
        {{"las", "well_log_wrapped.las", "-q"},
         {"well_log_wrapped.las: LAS well log, 9 curves, 240 samples", "2179.875"}},
        {{"las", "well_log_feet.las"}, {"4 curves, 24 samples", "ft, converted to m", "2149.7544"}},
        {{"log", "well_log.txt"}, {"well log table, 10 curves, 240 samples", "CALI   CAL", "Ω·M"}},
        {{"path", "well_path.txt"},
         {"well path, 4 columns, 24 points", "layout: TVD, X, Y", "1113.825", "20512530.4"}},
        {{"heads", "well_heads.txt"}, {"well heads, 7 columns, 12 wells", "20514619.98"}},
        {{"core-analysis", "rock_core_analysis.txt"},
         {"rock core analysis, 5 columns, 30 samples", "842.018"}},
        {{"core-describe", "rock_core_describe.txt"},
         {"rock core description, 3 columns, 12 intervals", "description column: 岩性"}},
        {{"curve-name", "gr", "--display"}, {"自然伽马\n"}},
        {{"curve-units", "GR"}, {"API\tGAPI\t微伦琴/小时\n"}},
    };
    for (const auto& [arguments, out] : cases)
        Check(arguments, 0, out);
}

TEST(WelldataCommand, WritesTheFullDataInEveryForm) {
    const ts::ScratchDir dir;
    const Texts heads{
        "NAME,TYPE,X,Y,KB,TOP,BOTTOM\nA1,oil,20512345.25,4376210.5,1193.63,0,2010.5\n"};
    EXPECT_EQ(Count(Check({"heads", "well_heads.txt", "--csv"}, 0, heads).out, "\n"), 13u);

    // Nulls: stored -9999 in CSV, JSON null; two files share one CSV table.
    const std::string csv = dir.Path() + "/logs.csv";
    EXPECT_EQ(Check({"las", "well_log_feet.las", "well_log.las", "--csv", "-o", csv}, 0, {}).out,
              "");
    const std::string table = ReadFile(csv);
    EXPECT_EQ(table.rfind("FILE,DEPTH,GR,DEN,RT,SP,AC,CNL,RXO,CAL\n", 0), 0u);
    EXPECT_TRUE(Holds(table, "\nwell_log_feet.las,2149.7544,66.1988,2.4379,41.4285,,,,,\n"));
    EXPECT_TRUE(Holds(table, "\nwell_log.las,2150,72.6498,-9999,36.2882,-44.7669,"));
    const std::string json =
        Check({"las", "well_log.las", "--json"}, 0,
              {"\"name\": \"DEN\", \"type\": \"DEN\", \"unit\": \"G/CM3\"", "\"nulls\": 3",
               "\"values\": [null, null, null, 2.435,", "\"failed\": []"})
            .out;
    // Options before the command, after the files, and "--"; standard input as a file.
    EXPECT_EQ(RunWelldata({"--json", "las", "--", "well_log.las"}).out, json);
    Check({"heads", "-"}, 0, {"(standard input): well heads, 7 columns, 12 wells"}, {},
          ReadFile(WELLDATA_SOURCE_DIR "/samples/well_heads.txt"));

    // Plots, drawn without a display; one per file when there are several.
    const std::string plot = dir.Path() + "/plot.png";
    Check({"log", "well_log.txt", "--plot", plot, "-q"}, 0, {"10 curves"});
    Check({"las", "well_log.las", "well_log_feet.las", "--plot", plot}, 0, {});
    for (const std::string& picture :
         {plot, dir.Path() + "/plot-well_log.png", dir.Path() + "/plot-well_log_feet.png"}) {
        const std::string png = ReadFile(picture);
        EXPECT_EQ(png.rfind("\x89PNG\r\n", 0), 0u) << picture;
        EXPECT_GT(png.size(), 20000u) << picture;
    }
}

TEST(WelldataCommand, ChoosesTheCodePageOfEachFile) {
    const ts::ScratchDir dir;
    const std::string text = "顶深 底深 岩性\r\n1601 1603.5 灰色细砂岩\r\n1603.5 1604 泥岩\r\n";
    const std::string bom = ts::Narrow(dir.Write("b.txt", "\xEF\xBB\xBF" + text));
    const std::string utf8 = ts::Narrow(dir.Write("u.txt", text)); // only the bytes tell
    // GB18030, the default, mis-decodes a UTF-8 file: nothing is recognised.
    Check({"core-describe", bom}, 0, {"2 intervals"}, {"no column recognised for --top"});
    Check({"core-describe", bom, "--encoding", "utf-8", "--csv"}, 0,
          {"TOP,BOTTOM,岩性\n1601,1603.5,灰色细砂岩\n"});
    const std::string both = "rock_core_describe.txt";
    const std::string json = Check({"core-describe", utf8, both, "--encoding", "auto", "--json"}, 0,
                                   {"\"description_column\": \"岩性\"", "\"泥岩\"",
                                    "\"values\": [1601, 1603.5, 1604.7,", "\"黑色碳质泥岩\"]"})
                                 .out;
    EXPECT_EQ(json.find("\xEF\xBF\xBD"), std::string::npos) << "mis-decoded text";
}

TEST(WelldataCommand, ReportsBadInputWithMessagesAndExitStatus) {
    const std::tuple<Texts, int, Texts> cases[] = {
        {{"las", "missing.las"}, 1, {"welldata: missing.las: 打开文件失败。"}},
        {{"heads", "rock_core_analysis.txt"}, 1, {"请指定井名称。", "--name (1:DEPTH 2:POR"}},
        {{"heads", "well_heads.txt", "--x", "Easting"}, 1, {"--x Easting: no such column"}},
        {{"path", "well_heads.txt"}, 1, {"井轨迹数据不完整，请重新选择或校正数据文件。"}},
        {{"path", "well_path.txt", "--type", "md-incl-azim"}, 1, {"needs --incl, --azim"}},
        {{"log", "well_log.txt", "--type", "AC=DEPTH"}, 1, {"有且仅有一个深度道"}},
        {{"log", "well_log.txt", "--curves", "GR,AC"}, 1, {"添加井曲线时,必须有深度"}},
        {{"las", "well_log.las", "--depth-unit", "furlong"}, 2, {"'furlong' for --depth-unit"}},
        {{"heads", "well_heads.txt", "--kb-unit", "yd"}, 2, {"unknown unit 'yd'"}},
        {{"path", "well_path.txt", "--null", "none"}, 2, {"--null none: not a number"}},
        {{"las", "--frobnicate", "a.las"}, 2, {"unknown option '--frobnicate'"}},
        {{"frobnicate"}, 2, {"unknown command 'frobnicate'"}},
        {{"las"}, 2, {"no file given", "Try 'welldata las --help'."}},
        {{"las", "--csv", "--json", "well_log.las"}, 2, {"choose one of --csv and --json"}},
        {{"las", "well_log.las", "--settings", "x.ini"}, 1, {"cannot read the settings"}},
        {{"las", "well_log.las", "-o", "/nonexistent/out.txt"}, 1, {"cannot write"}},
    };
    for (const auto& [arguments, status, err] : cases)
        Check(arguments, status, {}, err);
    Check({"curve-name", "NOSUCHCURVE"}, 1, {"NOSUCHCURVE\n"}, {"no standard name"});
}

TEST(WelldataCommand, HelpDescribesEveryCommand) {
    const std::string overview = Check({"--help"}, 0, {}).out;
    for (const char* command : {"las", "log", "path", "heads", "core-analysis", "core-describe",
                                "curve-name", "curve-units"}) {
        EXPECT_TRUE(Holds(overview, std::string("\n  ") + command + " "));
        const std::string usage = std::string("usage: welldata ") + command + " [options]";
        Check({command, "--help"}, 0, {usage});
        Check({"help", command}, 0, {usage});
    }
    Check({}, 2, {}, {"usage: welldata COMMAND"});
    Check({"--version"}, 0, {"welldata 0."});
}

TEST(WelldataCommand, LoadsTwoHundredLasFilesAndReportsTheBadOnes) {
    const ts::ScratchDir dir;
    Texts arguments{"las", "--json", "-o", dir.Path() + "/all.json"};
    for (int i = 0; i < 200; ++i) {
        const std::string head =
            std::string("~V\n VERS. 2.0 :\n~C\n DEPT.") + (i % 10 == 9 ? "F" : "M") + " :\n";
        std::string text = head + " GR.API :\n~A\n";
        for (int row = 0; row < 20 + i % 7; ++row)
            text += std::to_string(1000 + i + row * 0.5) + " 40\n";
        // A row short of values, no data section, and no LAS file at all.
        text = i == 50    ? head + " GR.API :\n~A\n1 10\n2\n"
               : i == 120 ? head
               : i == 180 ? "hello world\n"
                          : text;
        arguments.push_back(ts::Narrow(dir.Write("well" + std::to_string(i) + ".las", text)));
    }
    const Texts errors{"3 of 200 files could not be loaded:", "数据段\n  原因：", "重试：\n  2."};
    const std::string err = Check(arguments, 1, {}, errors).err;
    for (const char* reason :
         {"well50.las: 下列深度的数据有问题", "well120.las: 解释数据时没有找到数据开始标记“~A”",
          "well180.las: 解释数据时没有找到相应的数据段"})
        EXPECT_EQ(Count(err, reason), 2u) << reason << " shown once and listed once";
    const std::string json = ReadFile(dir.Path() + "/all.json");
    EXPECT_EQ(Count(json, "\"kind\": \"LAS well log\""), 197u);
    EXPECT_EQ(Count(json, "\"reason\": "), 3u);
    // Each file's own depth unit: well9 is in feet, well10 in metres.
    EXPECT_TRUE(Holds(json, "well9.las\",\n      \"kind\": \"LAS well log\",\n      \"rows\": 22,\n"
                            "      \"properties\": {\"depth_unit\": \"ft, converted to m\"}"));
    EXPECT_TRUE(Holds(json, "\"min\": 1010, \"max\": 1021,"));
}

TEST(WelldataCommand, AsksForUnitsAndCarriesTheAnswerFromFileToFile) {
    const auto las = [](auto... more) {
        return Texts{"las", "well_log_feet.las", "well_log.las", "--csv", "--depth-unit", more...};
    };
    // Answered once and kept: the metre file is taken as feet too.
    const CommandResult asked = Check(las("ask", "--progress"), 0, {"\nwell_log.las,655.32,"},
                                      {"[2/2] well_log.las", "%"}, "ft\n\ny\n");
    EXPECT_EQ(Count(asked.err, "Depth unit (m, in, ft, dm, cm) [ft]: "), 1u);
    // Not kept: each file asked, the second declares metres and is not asked.
    Check(las("ask"), 0, {"\nwell_log.las,2150,"}, {"Depth unit"}, "ft\nm\nn\n");
    // A unit given holds for every file, whatever it declares.
    Check(las("ft", "-q", "--progress"), 0,
          {"\nwell_log.las,655.32,", "\nwell_log_feet.las,2149.7544,"});
    Check(las("m"), 0, {"\nwell_log_feet.las,7053,"});
}

} // namespace
