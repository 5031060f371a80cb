// The installed welldata command, run as a user runs it: every bundled sample,
// every output form, bad input, help texts, a batch of 200 LAS files and the
// unit question carried from file to file.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

namespace {

using Texts = std::vector<std::string>;

struct CommandResult {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the installed command from the source folder (so "samples/..." names the
// bundled samples), without a display, with `input` on standard input.
CommandResult RunWelldata(const Texts& arguments, const std::string& input = std::string()) {
    const testing_support::ScratchDir dir;
    dir.Write("stdin", input);
    std::string command = "cd " + Quoted(WELLDATA_SOURCE_DIR) +
                          " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                          Quoted(WELLDATA_CLI_PREFIX "/bin/welldata");
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    const std::string files = Quoted(dir.Path()) + "/std";
    const int status =
        std::system((command + " <" + files + "in >" + files + "out 2>" + files + "err").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir.Path() + "/stdout"),
            ReadFile(dir.Path() + "/stderr")};
}

// Whether `text` holds `piece`, showing the text when it does not.
testing::AssertionResult Holds(const std::string& text, const std::string& piece) {
    if (text.find(piece) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no '" << piece << "' in\n" << text;
}

size_t Count(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// Runs the command and checks its exit status and the texts its standard output
// and error must hold; with no error text expected, standard error stays empty,
// and a usage error (status 2) prints nothing on standard output.
void Check(const Texts& arguments, int status, const Texts& out, const Texts& err = {},
           const std::string& input = std::string()) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    const CommandResult result = RunWelldata(arguments, input);
    EXPECT_EQ(result.status, status) << result.err;
    for (const std::string& text : out)
        EXPECT_TRUE(Holds(result.out, text));
    for (const std::string& text : err)
        EXPECT_TRUE(Holds(result.err, text));
    if (err.empty()) {
        EXPECT_EQ(result.err, "");
    }
    if (status == 2) {
        EXPECT_EQ(result.out, "");
    }
}

// A small LAS 2.0 file: `rows` depth steps from `top`, in `unit`, with a GR
// and an RT curve.
std::string LasText(const std::string& well, double top, int rows, const std::string& unit) {
    std::string text = "~VERSION INFORMATION\n VERS. 2.0 :\n WRAP. NO :\n~WELL INFORMATION\n"
                       " NULL. -999.25 : NULL VALUE\n WELL. " +
                       well + " : WELL\n~CURVE INFORMATION\n DEPT." + unit +
                       " : DEPTH\n GR  .API : GAMMA RAY\n RT  .OHMM : RESISTIVITY\n~A\n";
    for (int row = 0; row < rows; ++row)
        text += std::to_string(top + row * 0.5) + " " + std::to_string(40 + row % 50) + " " +
                (row == 3 ? "-999.25" : std::to_string(10 + row)) + "\n";
    return text;
}

TEST(WelldataCommand, LoadsEveryBundledSample) {
    const std::pair<Texts, Texts> cases[] = {
        {{"las", "samples/well_log.las"},
         {"samples/well_log.las: LAS well log, 9 curves, 240 samples", "2179.875", "OHMM"}},
        {{"las", "samples/well_log_wrapped.las", "-q"},
         {"well_log_wrapped.las: LAS well log, 9 curves, 240 samples", "2179.875"}},
        {{"las", "samples/well_log_feet.las"},
         {"4 curves, 24 samples", "depth unit: ft, converted to m", "2149.7544"}},
        {{"log", "samples/well_log.txt"},
         {"well_log.txt: well log table, 10 curves, 240 samples", "CALI   CAL", "Ω·M"}},
        {{"path", "samples/well_path.txt"},
         {"well path, 4 columns, 24 points", "layout: TVD, X, Y", "1113.825", "20512530.4"}},
        {{"heads", "samples/well_heads.txt"}, {"well heads, 7 columns, 12 wells", "20514619.98"}},
        {{"core-analysis", "samples/rock_core_analysis.txt"},
         {"rock core analysis, 5 columns, 30 samples", "842.018"}},
        {{"core-describe", "samples/rock_core_describe.txt"},
         {"rock core description, 3 columns, 12 intervals", "description column: 岩性"}},
        {{"curve-name", "gr", "--display"}, {"自然伽马\n"}},
        {{"curve-units", "GR"}, {"API\tGAPI\t微伦琴/小时\n"}},
    };
    for (const auto& [arguments, out] : cases)
        Check(arguments, 0, out);
}

TEST(WelldataCommand, WritesTheFullDataInEveryForm) {
    const testing_support::ScratchDir dir;
    const CommandResult heads = RunWelldata({"heads", "samples/well_heads.txt", "--csv"});
    EXPECT_EQ(heads.out.rfind("NAME,TYPE,X,Y,KB,TOP,BOTTOM\n", 0), 0u);
    EXPECT_TRUE(Holds(heads.out, "\nA1,oil,20512345.25,4376210.5,1193.63,0,2010.5\n"));
    EXPECT_EQ(Count(heads.out, "\n"), 13u);

    const CommandResult core =
        RunWelldata({"core-describe", "samples/rock_core_describe.txt", "--json"});
    for (const char* text :
         {"\"values\": [1601, 1603.5, 1604.7,", "\"灰色细砂岩\"", "\"黑色碳质泥岩\"]"})
        EXPECT_TRUE(Holds(core.out, text));
    EXPECT_EQ(core.out.find("\xEF\xBF\xBD"), std::string::npos) << "mis-decoded text";

    // Nulls: stored -9999 in CSV, JSON null; two files share one CSV table.
    const std::string csv = dir.Path() + "/logs.csv";
    const CommandResult logs = RunWelldata(
        {"las", "samples/well_log_feet.las", "samples/well_log.las", "--csv", "-o", csv});
    EXPECT_EQ(logs.status, 0) << logs.err;
    EXPECT_EQ(logs.out, "");
    const std::string table = ReadFile(csv);
    EXPECT_EQ(table.rfind("FILE,DEPTH,GR,DEN,RT,SP,AC,CNL,RXO,CAL\n", 0), 0u);
    EXPECT_TRUE(
        Holds(table, "\nsamples/well_log_feet.las,2149.7544,66.1988,2.4379,41.4285,,,,,\n"));
    EXPECT_TRUE(Holds(table, "\nsamples/well_log.las,2150,72.6498,-9999,36.2882,-44.7669,"));
    const CommandResult json = RunWelldata({"las", "samples/well_log.las", "--json"});
    for (const char* text :
         {"\"name\": \"DEN\", \"type\": \"DEN\", \"unit\": \"G/CM3\"", "\"nulls\": 3",
          "\"values\": [null, null, null, 2.435,", "\"failed\": []"})
        EXPECT_TRUE(Holds(json.out, text));

    // Options before the command, after the files, and "--".
    EXPECT_EQ(RunWelldata({"--json", "las", "--", "samples/well_log.las"}).out, json.out);
    // Standard input as a file.
    Check({"heads", "-"}, 0, {"(standard input): well heads, 7 columns, 12 wells"}, {},
          ReadFile(WELLDATA_SOURCE_DIR "/samples/well_heads.txt"));

    // Plots, drawn without a display; one per file when there are several.
    const std::string plot = dir.Path() + "/plot.png";
    Check({"log", "samples/well_log.txt", "--plot", plot, "-q"}, 0, {"10 curves"});
    Check({"las", "samples/well_log.las", "samples/well_log_feet.las", "--plot", plot}, 0, {});
    for (const std::string& picture :
         {plot, dir.Path() + "/plot-well_log.png", dir.Path() + "/plot-well_log_feet.png"}) {
        const std::string png = ReadFile(picture);
        EXPECT_EQ(png.rfind("\x89PNG\r\n", 0), 0u) << picture;
        EXPECT_GT(png.size(), 20000u) << picture;
    }
}

TEST(WelldataCommand, ChoosesTheCodePageOfEachFile) {
    const testing_support::ScratchDir dir;
    const std::string utf8 = testing_support::Narrow(
        dir.Write("utf8.txt",
                  "\xEF\xBB\xBF顶深 底深 岩性\r\n1601 1603.5 灰色细砂岩\r\n1603.5 1604 泥岩\r\n"));
    // GB18030, the default, mis-decodes a UTF-8 file: nothing is recognised.
    Check({"core-describe", utf8}, 0, {"2 intervals"}, {"no column recognised for --top"});
    Check({"core-describe", utf8, "--encoding", "utf-8", "--csv"}, 0,
          {"TOP,BOTTOM,岩性\n1601,1603.5,灰色细砂岩\n"});
    Check({"core-describe", utf8, "samples/rock_core_describe.txt", "--encoding", "auto", "--json"},
          0, {"\"description_column\": \"岩性\"", "\"泥岩\"", "\"黑色碳质泥岩\""});
}

TEST(WelldataCommand, ReportsBadInputWithMessagesAndExitStatus) {
    const testing_support::ScratchDir dir;
    const std::string broken = testing_support::Narrow(
        dir.Write("broken.las", "~V\n VERS. 2.0 :\n WRAP. NO :\n~C\n DEPT.M :\n GR.API :\n~A\n"
                                "1 10\n2\n3 30\n"));
    const std::string text = testing_support::Narrow(dir.Write("text.las", "hello world\n"));
    const std::tuple<Texts, int, Texts> cases[] = {
        {{"las", "samples/missing.las"}, 1, {"welldata: samples/missing.las: 打开文件失败。"}},
        {{"las", broken}, 1, {"下列深度的数据有问题，请检查数据，确保无误之后重试：\n  2."}},
        {{"las", text}, 1, {"解释数据时没有找到相应的数据段\n  原因："}},
        {{"heads", "samples/rock_core_analysis.txt"},
         1,
         {"请指定井名称。", "give the column with --name (1:DEPTH 2:POR"}},
        {{"heads", "samples/well_heads.txt", "--x", "Easting"}, 1, {"--x Easting: no such column"}},
        {{"path", "samples/well_heads.txt"}, 1, {"井轨迹数据不完整，请重新选择或校正数据文件。"}},
        {{"path", "samples/well_path.txt", "--type", "md-incl-azim"},
         1,
         {"the MD, INCL, AZIM path needs --incl, --azim"}},
        {{"log", "samples/well_log.txt", "--type", "AC=DEPTH"}, 1, {"有且仅有一个深度道"}},
        {{"log", "samples/well_log.txt", "--curves", "GR,AC"}, 1, {"添加井曲线时,必须有深度"}},
        {{"las", "samples/well_log.las", "--depth-unit", "furlong"},
         2,
         {"unknown unit 'furlong' for --depth-unit", "Try 'welldata las --help'."}},
        {{"heads", "samples/well_heads.txt", "--kb-unit", "yd"}, 2, {"unknown unit 'yd'"}},
        {{"path", "samples/well_path.txt", "--null", "none"}, 2, {"--null none: not a number"}},
        {{"las", "--frobnicate", "a.las"}, 2, {"unknown option '--frobnicate'"}},
        {{"frobnicate"}, 2, {"unknown command 'frobnicate'"}},
        {{"las"}, 2, {"no file given"}},
        {{"las", "--csv", "--json", "samples/well_log.las"}, 2, {"choose one of --csv and --json"}},
        {{"las", "samples/well_log.las", "--settings", "missing.ini"},
         1,
         {"cannot read the settings file 'missing.ini'"}},
        {{"las", "samples/well_log.las", "-o", "/nonexistent/out.txt"}, 1, {"cannot write"}},
    };
    for (const auto& [arguments, status, err] : cases)
        Check(arguments, status, {}, err);
    Check({"curve-name", "NOSUCHCURVE"}, 1, {"NOSUCHCURVE\n"}, {"no standard name"});
}

TEST(WelldataCommand, HelpDescribesEveryCommand) {
    const CommandResult overview = RunWelldata({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"las", "log", "path", "heads", "core-analysis", "core-describe",
                                "curve-name", "curve-units"}) {
        EXPECT_TRUE(Holds(overview.out, std::string("\n  ") + command + " "));
        const std::string usage = std::string("usage: welldata ") + command + " [options]";
        Check({command, "--help"}, 0, {usage});
        Check({"help", command}, 0, {usage});
    }
    Check({}, 2, {}, {"usage: welldata COMMAND"});
    Check({"--version"}, 0, {"welldata 0."});
}

TEST(WelldataCommand, LoadsTwoHundredLasFilesAndReportsTheBadOnes) {
    const testing_support::ScratchDir dir;
    Texts arguments{"las", "--json", "-o", dir.Path() + "/all.json"};
    const std::map<int, std::string> bad = {
        {50, "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n GR.API :\n~A\n1 10\n2\n"},
        {120, "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n"},
        {180, "not a LAS file\n"},
    };
    for (int i = 0; i < 200; ++i) {
        const std::string name = "well" + std::to_string(i) + ".las";
        const auto broken = bad.find(i);
        const std::string text = broken != bad.end() ? broken->second
                                                     : LasText("W" + std::to_string(i), 1000 + i,
                                                               20 + i % 7, i % 10 == 9 ? "F" : "M");
        arguments.push_back(testing_support::Narrow(dir.Write(name, text)));
    }
    const CommandResult result = RunWelldata(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Holds(result.err, "3 of 200 files could not be loaded:"));
    for (const char* reason :
         {"well50.las: 下列深度的数据有问题", "well120.las: 解释数据时没有找到数据开始标记“~A”",
          "well180.las: 解释数据时没有找到相应的数据段"})
        EXPECT_EQ(Count(result.err, reason), 2u) << reason << " shown once and listed once";
    const std::string json = ReadFile(dir.Path() + "/all.json");
    EXPECT_EQ(Count(json, "\"kind\": \"LAS well log\""), 197u);
    EXPECT_EQ(Count(json, "\"reason\": "), 3u);
    // Each file's own depth unit: well9 is in feet, well10 in metres.
    EXPECT_TRUE(Holds(json, "well9.las\",\n      \"kind\": \"LAS well log\",\n      \"rows\": 22,\n"
                            "      \"properties\": {\"depth_unit\": \"ft, converted to m\"}"));
    EXPECT_TRUE(Holds(json, "\"min\": 1010, \"max\": 1021,"));
}

TEST(WelldataCommand, AsksForUnitsAndCarriesTheAnswerFromFileToFile) {
    const auto lasCsv = [](Texts options) {
        options.insert(options.begin(), "las");
        options.insert(options.end(),
                       {"samples/well_log_feet.las", "samples/well_log.las", "--csv"});
        return options;
    };
    // Answered once on the terminal and kept: the metre file is taken as feet too.
    const CommandResult asked =
        RunWelldata(lasCsv({"--depth-unit", "ask", "--progress"}), "ft\n\ny\n");
    EXPECT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(Count(asked.err, "Depth unit (m, in, ft, dm, cm) [ft]: "), 1u) << asked.err;
    EXPECT_TRUE(Holds(asked.err, "[2/2] well_log.las"));
    EXPECT_TRUE(Holds(asked.err, "%"));
    EXPECT_TRUE(Holds(asked.out, "\nsamples/well_log.las,655.32,"));

    // Not kept: each file asked, the second declares metres and is not asked.
    Check(lasCsv({"--depth-unit", "ask"}), 0, {"\nsamples/well_log.las,2150,"}, {"Depth unit"},
          "ft\nm\nn\n");
    // Without options each file's own units; a unit given holds for every file.
    Check(lasCsv({}), 0,
          {"\nsamples/well_log_feet.las,2149.7544,", "\nsamples/well_log.las,2150,"});
    Check(lasCsv({"--depth-unit", "ft", "-q", "--progress"}), 0,
          {"\nsamples/well_log.las,655.32,", "\nsamples/well_log_feet.las,2149.7544,"});
    Check(lasCsv({"--depth-unit", "m"}), 0, {"\nsamples/well_log_feet.las,7053,"});
}

} // namespace
