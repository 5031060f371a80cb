// The installed welldata command, run as a user runs it. The data it writes is
// checked parsed, as CSV cells and JSON values.
#include "CommandRunner.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

using namespace cli_test;
namespace ts = testing_support;

TEST(WelldataCommand, LoadsEveryBundledSample) {
    // The kind, rows and columns of each sample, and one column's unit, minimum and maximum.
    const std::tuple<const char*, const char*, const char*, int, int, const char*, const char*,
                     double, double>
        samples[] = {
            {"las", "well_log.las", "LAS well log", 240, 9, "RT", "OHMM", 23.3933, 152.987},
            {"las", "well_log_wrapped.las", "LAS well log", 240, 9, "DEPTH", "M", 2150, 2179.875},
            {"las", "well_log_feet.las", "LAS well log", 24, 4, "DEPTH", "M", 2149.7544, 2153.2595},
            {"log", "well_log.txt", "well log table", 240, 10, "RI", "Ω·M", 20.267, 127.451},
            {"path", "well_path.txt", "well path", 24, 4, "X", "m", 20512345.25, 20512530.4},
            {"heads", "well_heads.txt", "well heads", 12, 7, "X", "m", 20508965.23, 20514619.98},
            {"core-analysis", "rock_core_analysis.txt", "rock core analysis", 30, 5, "PERM", "",
             0.361, 842.018},
            {"core-describe", "rock_core_describe.txt", "rock core description", 12, 3, "TOP", "m",
             1601, 1622.1},
        };
    for (const auto& [command, name, kind, rows, columns, column, unit, min, max] : samples) {
        SCOPED_TRACE(name);
        const QJsonObject file = JsonFile({command, name});
        EXPECT_EQ(file["kind"], kind);
        EXPECT_EQ(file["rows"], rows);
        EXPECT_EQ(file["columns"].toArray().size(), columns);
        const QJsonObject found = Column(file, column);
        EXPECT_EQ(found["unit"], QString::fromUtf8(unit));
        EXPECT_EQ(std::pair(found["min"], found["max"]),
                  std::pair(QJsonValue(min), QJsonValue(max)));
    }
    Check({"las", "well_log_feet.las"}, 0,
          {"4 curves, 24 samples", "depth unit: ft, converted to m"});
    Check({"core-describe", "rock_core_describe.txt"}, 0, {"description column: 岩性"});
    Check({"curve-name", "gr", "--display"}, 0, {"自然伽马\n"});
    Check({"curve-units", "GR"}, 0, {"API\tGAPI\t微伦琴/小时\n"});
}

TEST(WelldataCommand, WritesTheFullDataInEveryForm) {
    const ts::ScratchDir dir;
    const Csv heads = ParseCsv(Check({"heads", "well_heads.txt", "--csv"}, 0, {}).out);
    ASSERT_EQ(heads.size(), 13u);
    EXPECT_EQ(heads[0], (Texts{"FILE", "NAME", "TYPE", "X", "Y", "KB", "TOP", "BOTTOM"}));
    EXPECT_EQ(heads[1], (Texts{"well_heads.txt", "A1", "oil", "20512345.25", "4376210.5", "1193.63",
                               "0", "2010.5"}));

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
    EXPECT_EQ(den["type"], "DEN");
    EXPECT_EQ(den["unit"], "G/CM3");
    EXPECT_EQ(den["nulls"], 3);
    EXPECT_TRUE(den["values"][0].isNull() && den["values"][2].isNull());
    EXPECT_EQ(den["values"][3], 2.435);
    // Options before the command, after the files, and "--"; standard input as a file.
    EXPECT_EQ(RunWelldata({"--json", "las", "--", "well_log.las"}).out, jsonText);
    const QJsonObject input =
        ParseJson(Check({"heads", "-", "--json"}, 0, {}, {},
                        ReadFile(WELLDATA_SOURCE_DIR "/samples/well_heads.txt"))
                      .out)["files"][0]
            .toObject();
    EXPECT_EQ(input["file"], "(standard input)");
    EXPECT_EQ(input["rows"], 12);

    // Plots, drawn without a display; one per file when there are several.
    const std::string plot = dir.Path() + "/plot.png";
    Check({"log", "well_log.txt", "--plot", plot, "-q"}, 0, {"10 curves"});
    Check({"las", "well_log.las", "well_log_feet.las", "--plot", plot}, 0, {});
    for (const std::string& picture :
         {plot, dir.Path() + "/plot-well_log.png", dir.Path() + "/plot-well_log_feet.png"})
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
    EXPECT_EQ(header[3]["items"][1]["unit"], "MM");
    EXPECT_TRUE(header[4]["items"].toArray().isEmpty()) << "~O keeps no items";
    EXPECT_FALSE(JsonFile({"las", "well_log.las"}).contains("header"));
    Check({"las", "well_log.las", "--header"}, 0,
          {"\n  ~W\n    STRT  M  2150.0000", "\n    WELL     HD-12                  : WELL\n",
           "\n    COMP     HUADONG PETROLEUM CO.  : COMPANY\n"});
    Check({"las", "well_log.las", "--header", "--csv"}, 2, {}, {"not in CSV"});
}

TEST(WelldataCommand, ChoosesTheCodePageOfEachFile) {
    const ts::ScratchDir dir;
    const std::string text = "顶深 底深 岩性\r\n1601 1603.5 灰色细砂岩\r\n1603.5 1604 泥岩\r\n";
    const std::string bom = ts::Narrow(dir.Write("b.txt", "\xEF\xBB\xBF" + text));
    const std::string utf8 = ts::Narrow(dir.Write("u.txt", text)); // only the bytes tell
    // GB18030, the default, mis-decodes a UTF-8 file: nothing is recognised.
    Check({"core-describe", bom}, 1, {}, {"no column recognised for --top"});
    EXPECT_EQ(ParseCsv(Check({"core-describe", bom, "--encoding", "utf-8", "--csv"}, 0, {}).out),
              (Csv{{"FILE", "TOP", "BOTTOM", "岩性"},
                   {bom, "1601", "1603.5", "灰色细砂岩"},
                   {bom, "1603.5", "1604", "泥岩"}}));
    const QJsonArray files = Json({"core-describe", utf8, "rock_core_describe.txt", "--encoding",
                                   "auto", "--json"})["files"]
                                 .toArray();
    for (const QJsonValue file : files) {
        EXPECT_EQ(file["properties"]["description_column"], "岩性");
        EXPECT_EQ(file["columns"][0]["values"][1], 1603.5);
    }
    EXPECT_EQ(files[0]["columns"][2]["values"][1], "泥岩");
    EXPECT_EQ(files[1]["columns"][2]["values"][11], "黑色碳质泥岩");
}

TEST(WelldataCommand, ReadsUtf16FilesAndAnyCodePageIconvKnows) {
    const std::string corpus = ts::LasCorpusDir() + "/lasio/";
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "LAS corpus folder " << corpus << " not found";
    // Each UTF-16 file as its UTF-8 sibling: the same columns, names and values.
    const auto columns = [&](const char* file) -> QJsonValue {
        return JsonFile({"las", corpus + file, "--encoding", "auto"})["columns"];
    };
    const QJsonValue sibling = columns("encodings_utf8.las");
    ASSERT_EQ(sibling[2]["name"], "ºᶟᵌᴬŃ");
    for (const char* file : {"encodings_utf16le.las", "encodings_utf16lebom.las",
                             "encodings_utf16be.las", "encodings_utf16bebom.las"})
        EXPECT_EQ(columns(file), sibling) << file;
    Check({"las", corpus + "encodings_utf16be.las", "--encoding", "UTF-16BE"}, 0, {"8 curves"});
    Check({"las", corpus + "encodings_utf16le.las"}, 1, {}, {"not text: it holds 2168 NUL bytes"});

    const ts::ScratchDir dir;
    const std::string latin = ts::Narrow(
        dir.Write("l.las", "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n \xD6L.% : \xF6l\n~A\n1000 5\n"));
    const QJsonValue latinColumn = JsonFile({"las", latin, "--encoding", "cp1252"})["columns"][1];
    EXPECT_EQ(latinColumn["name"], "ÖL");
    EXPECT_EQ(latinColumn["values"][0], 5);
    Check({"las", latin, "--encoding", "no-such-page"}, 2, {},
          {"unknown encoding 'no-such-page' (use auto or a name iconv knows)"});
    Check({"curve-name", "GR", "--encoding", "no-such-page"}, 2, {}, {"unknown encoding"});
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
        {{"log", "well_log.txt", "--path", "tvd-x-y"}, 1, {"needs --tvd, --x, --y"}},
        {{"las", "well_log.las", "--depth-unit", "furlong"}, 2, {"'furlong' for --depth-unit"}},
        {{"las", "well_log.las", "--depth-range", "2180:2150"}, 2, {"wrong depth range"}},
        {{"las", "well_log.las", "--depth-scale", "1:0"}, 2, {"wrong depth scale '1:0'"}},
        {{"heads", "well_heads.txt", "--kb-unit", "yd"}, 2, {"unknown unit 'yd'"}},
        {{"path", "well_path.txt", "--null", "none"}, 2, {"--null none: not a number"}},
        {{"las", "--frobnicate", "a.las"}, 2, {"unknown option '--frobnicate'"}},
        {{"frobnicate"}, 2, {"unknown command 'frobnicate'"}},
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

TEST(WelldataCommand, HelpDescribesEveryCommand) {
    const std::string overview = Check({"--help"}, 0, {}).out;
    for (const char* command : {"las", "log", "path", "heads", "core-analysis", "core-describe",
                                "curve-name", "curve-units"}) {
        EXPECT_TRUE(Holds(overview, std::string("\n  ") + command + " "));
        const std::string usage = std::string("usage: welldata ") + command + " [options]";
        Check({command, "--help"}, 0, {usage});
        Check({"help", command}, 0, {usage});
    }
    Check({"path", "--help"}, 0, {"--azimuth-quarter-turn"});
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
    const QJsonObject json = ParseJson(ReadFile(dir.Path() + "/all.json"));
    const QJsonArray files = json["files"].toArray();
    ASSERT_EQ(files.size(), 197);
    EXPECT_EQ(json["failed"].toArray().size(), 3);
    EXPECT_TRUE(json["failed"][0]["file"].toString().endsWith("well50.las"));
    // Each file's own depth unit: well9 (the tenth file) is in feet, well10 in metres.
    const QJsonValue feet = files[9];
    const QJsonValue metres = files[10];
    EXPECT_EQ(std::pair(feet["rows"], metres["rows"]), std::pair(QJsonValue(22), QJsonValue(23)));
    EXPECT_EQ(feet["properties"]["depth_unit"], "ft, converted to m");
    EXPECT_EQ(metres["properties"]["depth_unit"].toString(), "");
    EXPECT_EQ(static_cast<float>(feet["columns"][0]["min"].toDouble()), 1009 * 0.3048f);
    EXPECT_EQ(metres["columns"][0]["min"], 1010);
}

TEST(WelldataCommand, AsksForUnitsAndCarriesTheAnswerFromFileToFile) {
    const auto las = [](auto... more) {
        return Texts{"las", "well_log_feet.las", "well_log.las", "--csv", "--depth-unit", more...};
    };
    // The first depths of the feet file and of well_log.las, after the feet file's 24 rows.
    const auto depths = [](const CommandResult& result) {
        const Csv csv = ParseCsv(result.out);
        return csv.size() > 25 ? std::pair(csv[1][1], csv[25][1])
                               : std::pair<std::string, std::string>();
    };
    // Answered once and kept: the metre file is taken as feet too.
    const CommandResult asked =
        Check(las("ask", "--progress"), 0, {}, {"[2/2] well_log.las", "%"}, "ft\n\ny\n");
    EXPECT_EQ(depths(asked).second, "655.32");
    EXPECT_EQ(Count(asked.err, "Depth unit (m, in, ft, dm, cm) [ft]: "), 1u);
    // Not kept: each file asked, the second declares metres and is not asked.
    EXPECT_EQ(depths(Check(las("ask"), 0, {}, {"Depth unit"}, "ft\nm\nn\n")).second, "2150");
    // A unit given holds for every file, whatever it declares.
    EXPECT_EQ(depths(Check(las("ft", "-q", "--progress"), 0, {})),
              std::pair(std::string("2149.7544"), std::string("655.32")));
    EXPECT_EQ(depths(Check(las("m"), 0, {})).first, "7053");
}

} // namespace
