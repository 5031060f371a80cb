// The installed welldata command, run as a user runs it: every bundled sample,
// every output form, bad input, help texts, a batch of 200 LAS files and the
// unit question carried from file to file.
#include "InstalledCommand.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using cli_tests::CommandResult;
using cli_tests::ReadFile;
using cli_tests::RunWelldata;

namespace {

struct Case {
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> out; // texts standard output must hold
    std::vector<std::string> err; // texts standard error must hold; none: it stays empty
};

std::string Joined(const std::vector<std::string>& arguments) {
    std::string line = "welldata";
    for (const std::string& argument : arguments)
        line += " " + argument;
    return line;
}

size_t Count(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

void Check(const Case& c, const std::string& input = std::string()) {
    SCOPED_TRACE(Joined(c.arguments));
    const CommandResult result = RunWelldata(c.arguments, input);
    EXPECT_EQ(result.status, c.status) << result.err;
    for (const std::string& text : c.out) {
        EXPECT_NE(result.out.find(text), std::string::npos) << "no '" << text << "' in\n"
                                                            << result.out;
    }
    for (const std::string& text : c.err) {
        EXPECT_NE(result.err.find(text), std::string::npos) << "no '" << text << "' in\n"
                                                            << result.err;
    }
    if (c.err.empty()) {
        EXPECT_EQ(result.err, "");
    }
    if (c.status == 2) {
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
    const Case cases[] = {
        {{"las", "samples/well_log.las"},
         0,
         {"samples/well_log.las: LAS well log, 9 curves, 240 samples", "2179.875", "OHMM"},
         {}},
        {{"las", "samples/well_log_wrapped.las", "-q"},
         0,
         {"well_log_wrapped.las: LAS well log, 9 curves, 240 samples", "2179.875"},
         {}},
        {{"las", "samples/well_log_feet.las"},
         0,
         {"4 curves, 24 samples", "depth unit: ft, converted to m", "2149.7544"},
         {}},
        {{"log", "samples/well_log.txt"},
         0,
         {"well_log.txt: well log table, 10 curves, 240 samples", "CALI   CAL", "Ω·M"},
         {}},
        {{"path", "samples/well_path.txt"},
         0,
         {"well path, 4 columns, 24 points", "layout: TVD, X, Y", "1113.825", "20512530.4"},
         {}},
        {{"heads", "samples/well_heads.txt"},
         0,
         {"well heads, 7 columns, 12 wells", "20514619.98"},
         {}},
        {{"core-analysis", "samples/rock_core_analysis.txt"},
         0,
         {"rock core analysis, 5 columns, 30 samples", "842.018"},
         {}},
        {{"core-describe", "samples/rock_core_describe.txt"},
         0,
         {"rock core description, 3 columns, 12 intervals", "description column: 岩性"},
         {}},
        {{"curve-name", "gr", "--display"}, 0, {"自然伽马\n"}, {}},
        {{"curve-units", "GR"}, 0, {"API\tGAPI\t微伦琴/小时\n"}, {}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(WelldataCommand, WritesTheFullDataInEveryForm) {
    const testing_support::ScratchDir dir;
    const CommandResult heads = RunWelldata({"heads", "samples/well_heads.txt", "--csv"});
    EXPECT_EQ(heads.out.rfind("NAME,TYPE,X,Y,KB,TOP,BOTTOM\n", 0), 0u);
    EXPECT_NE(heads.out.find("\nA1,oil,20512345.25,4376210.5,1193.63,0,2010.5\n"),
              std::string::npos);
    EXPECT_EQ(Count(heads.out, "\n"), 13u);

    const CommandResult core =
        RunWelldata({"core-describe", "samples/rock_core_describe.txt", "--json"});
    EXPECT_NE(core.out.find("\"values\": [1601, 1603.5, 1604.7,"), std::string::npos);
    EXPECT_NE(core.out.find("\"灰色细砂岩\""), std::string::npos);
    EXPECT_NE(core.out.find("\"黑色碳质泥岩\"]"), std::string::npos);
    EXPECT_EQ(core.out.find("\xEF\xBF\xBD"), std::string::npos) << "mis-decoded text";

    // Nulls: stored -9999 in CSV, JSON null; two files share one CSV table.
    const std::string csv = dir.Path() + "/logs.csv";
    const CommandResult logs = RunWelldata(
        {"las", "samples/well_log_feet.las", "samples/well_log.las", "--csv", "-o", csv});
    EXPECT_EQ(logs.status, 0) << logs.err;
    EXPECT_EQ(logs.out, "");
    const std::string table = ReadFile(csv);
    EXPECT_EQ(table.rfind("FILE,DEPTH,GR,DEN,RT,SP,AC,CNL,RXO,CAL\n", 0), 0u);
    EXPECT_NE(table.find("\nsamples/well_log_feet.las,2149.7544,66.1988,2.4379,41.4285,,,,,\n"),
              std::string::npos);
    EXPECT_NE(table.find("\nsamples/well_log.las,2150,72.6498,-9999,36.2882,-44.7669,"),
              std::string::npos);
    const CommandResult json = RunWelldata({"las", "samples/well_log.las", "--json"});
    EXPECT_NE(json.out.find("\"name\": \"DEN\", \"type\": \"DEN\", \"unit\": \"G/CM3\""),
              std::string::npos);
    EXPECT_NE(json.out.find("\"nulls\": 3"), std::string::npos);
    EXPECT_NE(json.out.find("\"values\": [null, null, null, 2.435,"), std::string::npos);
    EXPECT_NE(json.out.find("\"failed\": []"), std::string::npos);

    // Options before the command, after the files, and "--".
    EXPECT_EQ(RunWelldata({"--json", "las", "--", "samples/well_log.las"}).out, json.out);
    // Standard input as a file.
    Check({{"heads", "-"}, 0, {"(standard input): well heads, 7 columns, 12 wells"}, {}},
          ReadFile(WELLDATA_SOURCE_DIR "/samples/well_heads.txt"));

    // Plots, drawn without a display; one per file when there are several.
    const std::string plot = dir.Path() + "/plot.png";
    Check({{"log", "samples/well_log.txt", "--plot", plot, "-q"}, 0, {"10 curves"}, {}});
    Check(
        {{"las", "samples/well_log.las", "samples/well_log_feet.las", "--plot", plot}, 0, {}, {}});
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
    const Case cases[] = {
        // GB18030, the default, mis-decodes a UTF-8 file: nothing is recognised.
        {{"core-describe", utf8}, 0, {"2 intervals"}, {"no column recognised for --top"}},
        {{"core-describe", utf8, "--encoding", "utf-8", "--csv"},
         0,
         {"TOP,BOTTOM,岩性\n1601,1603.5,灰色细砂岩\n"},
         {}},
        {{"core-describe", utf8, "samples/rock_core_describe.txt", "--encoding", "auto", "--json"},
         0,
         {"\"description_column\": \"岩性\"", "\"泥岩\"", "\"黑色碳质泥岩\""},
         {}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(WelldataCommand, ReportsBadInputWithMessagesAndExitStatus) {
    const testing_support::ScratchDir dir;
    const std::string broken = testing_support::Narrow(
        dir.Write("broken.las", "~V\n VERS. 2.0 :\n WRAP. NO :\n~C\n DEPT.M :\n GR.API :\n~A\n"
                                "1 10\n2\n3 30\n"));
    const std::string text = testing_support::Narrow(dir.Write("text.las", "hello world\n"));
    const Case cases[] = {
        {{"las", "samples/missing.las"}, 1, {}, {"welldata: samples/missing.las: 打开文件失败。"}},
        {{"las", broken}, 1, {}, {"下列深度的数据有问题，请检查数据，确保无误之后重试：\n  2."}},
        {{"las", text}, 1, {}, {"解释数据时没有找到相应的数据段\n  原因："}},
        {{"heads", "samples/rock_core_analysis.txt"},
         1,
         {},
         {"请指定井名称。", "give the column with --name (1:DEPTH 2:POR"}},
        {{"heads", "samples/well_heads.txt", "--x", "Easting"},
         1,
         {},
         {"--x Easting: no such column"}},
        {{"path", "samples/well_heads.txt"},
         1,
         {},
         {"井轨迹数据不完整，请重新选择或校正数据文件。"}},
        {{"path", "samples/well_path.txt", "--type", "md-incl-azim"},
         1,
         {},
         {"the MD, INCL, AZIM path needs --incl, --azim"}},
        {{"log", "samples/well_log.txt", "--type", "AC=DEPTH"}, 1, {}, {"有且仅有一个深度道"}},
        {{"log", "samples/well_log.txt", "--curves", "GR,AC"}, 1, {}, {"添加井曲线时,必须有深度"}},
        {{"las", "samples/well_log.las", "--depth-unit", "furlong"},
         2,
         {},
         {"unknown unit 'furlong' for --depth-unit", "Try 'welldata las --help'."}},
        {{"heads", "samples/well_heads.txt", "--kb-unit", "yd"}, 2, {}, {"unknown unit 'yd'"}},
        {{"path", "samples/well_path.txt", "--null", "none"}, 2, {}, {"--null none: not a number"}},
        {{"las", "--frobnicate", "a.las"}, 2, {}, {"unknown option '--frobnicate'"}},
        {{"frobnicate"}, 2, {}, {"unknown command 'frobnicate'"}},
        {{"las"}, 2, {}, {"no file given"}},
        {{"las", "--csv", "--json", "samples/well_log.las"},
         2,
         {},
         {"choose one of --csv and --json"}},
        {{"las", "samples/well_log.las", "--settings", "missing.ini"},
         1,
         {},
         {"cannot read the settings file 'missing.ini'"}},
        {{"las", "samples/well_log.las", "-o", "/nonexistent/out.txt"}, 1, {}, {"cannot write"}},
        {{"curve-name", "NOSUCHCURVE"}, 1, {"NOSUCHCURVE\n"}, {"no standard name"}},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(WelldataCommand, HelpDescribesEveryCommand) {
    const char* commands[] = {"las",           "log",           "path",       "heads",
                              "core-analysis", "core-describe", "curve-name", "curve-units"};
    const CommandResult overview = RunWelldata({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : commands) {
        EXPECT_NE(overview.out.find(std::string("\n  ") + command + " "), std::string::npos);
        const std::string usage = std::string("usage: welldata ") + command + " [options]";
        Check({{command, "--help"}, 0, {usage}, {}});
        Check({{"help", command}, 0, {usage}, {}});
    }
    Check({{}, 2, {}, {"usage: welldata COMMAND"}});
    Check({{"--version"}, 0, {"welldata 0."}, {}});
}

TEST(WelldataCommand, LoadsTwoHundredLasFilesAndReportsTheBadOnes) {
    const testing_support::ScratchDir dir;
    std::vector<std::string> arguments{"las", "--json", "-o", dir.Path() + "/all.json"};
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
    EXPECT_NE(result.err.find("3 of 200 files could not be loaded:"), std::string::npos)
        << result.err;
    for (const char* reason :
         {"well50.las: 下列深度的数据有问题", "well120.las: 解释数据时没有找到数据开始标记“~A”",
          "well180.las: 解释数据时没有找到相应的数据段"})
        EXPECT_EQ(Count(result.err, reason), 2u) << reason << " shown once and listed once";
    const std::string json = ReadFile(dir.Path() + "/all.json");
    EXPECT_EQ(Count(json, "\"kind\": \"LAS well log\""), 197u);
    EXPECT_EQ(Count(json, "\"reason\": "), 3u);
    // Each file's own depth unit: well9 is in feet, well10 in metres.
    EXPECT_NE(json.find("well9.las\",\n      \"kind\": \"LAS well log\",\n      \"rows\": 22,\n"
                        "      \"properties\": {\"depth_unit\": \"ft, converted to m\"}"),
              std::string::npos);
    EXPECT_NE(json.find("\"min\": 1010, \"max\": 1021,"), std::string::npos);
}

TEST(WelldataCommand, AsksForUnitsAndCarriesTheAnswerFromFileToFile) {
    const std::vector<std::string> files{"samples/well_log_feet.las", "samples/well_log.las"};
    const auto lasCsv = [&](std::vector<std::string> options) {
        options.insert(options.begin(), "las");
        options.insert(options.end(), files.begin(), files.end());
        options.push_back("--csv");
        return options;
    };
    // Answered once on the terminal and kept: the metre file is taken as feet too.
    const CommandResult asked =
        RunWelldata(lasCsv({"--depth-unit", "ask", "--progress"}), "ft\n\ny\n");
    EXPECT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(Count(asked.err, "Depth unit (m, in, ft, dm, cm) [ft]: "), 1u) << asked.err;
    EXPECT_NE(asked.err.find("[2/2] well_log.las"), std::string::npos);
    EXPECT_NE(asked.err.find("%"), std::string::npos);
    EXPECT_NE(asked.out.find("\nsamples/well_log.las,655.32,"), std::string::npos);

    const Case cases[] = {
        // Not kept: each file asked, the second declares metres and is not asked.
        {lasCsv({"--depth-unit", "ask"}), 0, {"\nsamples/well_log.las,2150,"}, {"Depth unit"}},
        // Without options each file's own units; a unit given holds for every file.
        {lasCsv({}),
         0,
         {"\nsamples/well_log_feet.las,2149.7544,", "\nsamples/well_log.las,2150,"},
         {}},
        {lasCsv({"--depth-unit", "ft", "-q", "--progress"}),
         0,
         {"\nsamples/well_log.las,655.32,", "\nsamples/well_log_feet.las,2149.7544,"},
         {}},
        {lasCsv({"--depth-unit", "m"}), 0, {"\nsamples/well_log_feet.las,7053,"}, {}},
    };
    Check(cases[0], "ft\nm\nn\n");
    for (size_t i = 1; i < std::size(cases); ++i)
        Check(cases[i]);
}

} // namespace
