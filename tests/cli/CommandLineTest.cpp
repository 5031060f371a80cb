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

struct Sample {
    const char* command;
    const char* file;
    const char* kind;
    int rows;
    int columns;
    // One column with its unit, minimum and maximum.
    const char* name;
    const char* unit;
    double min;
    double max;
};

TEST(WelldataCommand, LoadsEveryBundledSample) {
    const Sample samples[] = {
        {"las", "well_log.las", "LAS well log", 240, 9, "RT", "OHMM", 23.3933, 152.987},
        {"las", "well_log_wrapped.las", "LAS well log", 240, 9, "DEPTH", "M", 2150, 2179.875},
        {"las", "well_log_feet.las", "LAS well log", 24, 4, "DEPTH", "M", 2149.7544, 2153.2595},
        {"log", "well_log.txt", "well log table", 240, 10, "RI", "Ω·M", 20.267, 127.451},
        {"path", "well_path.txt", "well path", 24, 4, "X", "m", 20512345.25, 20512530.4},
        {"heads", "well_heads.txt", "well heads", 12, 7, "X", "m", 20508965.23, 20514619.98},
        {"core-analysis", "rock_core_analysis.txt", "rock core analysis", 30, 5, "PERM", "", 0.361,
         842.018},
        {"core-describe", "rock_core_describe.txt", "rock core description", 12, 3, "TOP", "m",
         1601, 1622.1},
    };
    for (const auto& [command, name, kind, rows, columns, column, unit, min, max] : samples) {
        SCOPED_TRACE(name);
        const QJsonObject file = Json({command, name, "--json"})["files"][0].toObject();
        EXPECT_EQ(file["kind"], kind);
        EXPECT_EQ(file["rows"], rows);
        EXPECT_EQ(file["columns"].toArray().size(), columns);
        const QJsonObject found = Column(file, column);
        EXPECT_EQ(found["unit"], QString::fromUtf8(unit));
        EXPECT_EQ(found["min"], min);
        EXPECT_EQ(found["max"], max);
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
    const QJsonObject json = ParseJson(jsonText);
    const QJsonObject den = Column(json["files"][0].toObject(), "DEN");
    EXPECT_EQ(den["type"], "DEN");
    EXPECT_EQ(den["unit"], "G/CM3");
    EXPECT_EQ(den["nulls"], 3);
    const QJsonArray values = den["values"].toArray();
    EXPECT_TRUE(values[0].isNull() && values[2].isNull());
    EXPECT_EQ(values[3], 2.435);
    EXPECT_TRUE(json["failed"].toArray().isEmpty());
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
    const std::string window = dir.Path() + "/window.png";
    Check({"las", "well_log.las", "--plot", window, "--depth-range", "2160:2170", "--depth-scale",
           "1:50"},
          0, {});
    // Ten metres at 1:50 are 20 cm, 756 pixels at 96 dots per inch, under the headers.
    const std::string scaled = ReadFile(window);
    ASSERT_GT(scaled.size(), 24u);
    const auto height =
        static_cast<unsigned char>(scaled[22]) * 256 + static_cast<unsigned char>(scaled[23]);
    EXPECT_GT(height, 756);
    EXPECT_LT(height, 756 + 300);
    Check({"las", "well_log.las", "--plot", window, "--depth-range", "3000:3100"}, 1, {},
          {"no depth of the log lies between 3000 and 3100"});
    for (const std::string& picture :
         {plot, dir.Path() + "/plot-well_log.png", dir.Path() + "/plot-well_log_feet.png"}) {
        const std::string png = ReadFile(picture);
        EXPECT_EQ(png.rfind("\x89PNG\r\n", 0), 0u) << picture;
        EXPECT_GT(png.size(), 20000u) << picture;
    }
}

TEST(WelldataCommand, ShowsTheLasHeaderOnRequest) {
    const QJsonObject file =
        Json({"las", "well_log.las", "--header", "--json"})["files"][0].toObject();
    const QJsonArray header = file["header"].toArray();
    ASSERT_EQ(header.size(), 5);
    EXPECT_EQ(header[1]["section"], "~W");
    const QJsonObject well = header[1]["items"][5].toObject();
    EXPECT_EQ(well["mnemonic"], "WELL");
    EXPECT_EQ(well["value"], "HD-12");
    EXPECT_EQ(well["description"], " WELL");
    EXPECT_EQ(header[3]["items"][1]["unit"], "MM");
    EXPECT_TRUE(header[4]["items"].toArray().isEmpty()) << "~O keeps no items";
    EXPECT_FALSE(Json({"las", "well_log.las", "--json"})["files"][0].toObject().contains("header"));
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
    const Csv csv =
        ParseCsv(Check({"core-describe", bom, "--encoding", "utf-8", "--csv"}, 0, {}).out);
    EXPECT_EQ(csv, (Csv{{"FILE", "TOP", "BOTTOM", "岩性"},
                        {bom, "1601", "1603.5", "灰色细砂岩"},
                        {bom, "1603.5", "1604", "泥岩"}}));
    const QJsonObject json =
        Json({"core-describe", utf8, "rock_core_describe.txt", "--encoding", "auto", "--json"});
    for (const QJsonValue file : json["files"].toArray()) {
        EXPECT_EQ(file["properties"]["description_column"], "岩性");
        EXPECT_EQ(file["columns"][0]["values"][1], 1603.5);
    }
    EXPECT_EQ(json["files"][0]["columns"][2]["values"][1], "泥岩");
    EXPECT_EQ(json["files"][1]["columns"][2]["values"][11], "黑色碳质泥岩");
}

TEST(WelldataCommand, ReadsUtf16FilesAndAnyCodePageIconvKnows) {
    const std::string corpus = ts::LasCorpusDir() + "/lasio/";
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "LAS corpus folder " << corpus << " not found";
    // Each UTF-16 file as its UTF-8 sibling: the same columns, names and values.
    const auto columns = [&](const char* file) {
        return Json({"las", corpus + file, "--encoding", "auto", "--json"})["files"][0]["columns"];
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
    const QJsonObject file =
        Json({"las", latin, "--encoding", "cp1252", "--json"})["files"][0].toObject();
    EXPECT_EQ(file["columns"][1]["name"], "ÖL");
    EXPECT_EQ(file["columns"][1]["values"][0], 5);
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
    const QJsonObject json = ParseJson(ReadFile(dir.Path() + "/all.json"));
    const QJsonArray files = json["files"].toArray();
    ASSERT_EQ(files.size(), 197);
    EXPECT_EQ(json["failed"].toArray().size(), 3);
    EXPECT_TRUE(json["failed"][0]["file"].toString().endsWith("well50.las"));
    // Each file's own depth unit: well9 is in feet, well10 in metres.
    for (const QJsonValue file : files) {
        const QString name = file["file"].toString();
        if (!name.endsWith("/well9.las") && !name.endsWith("/well10.las"))
            continue;
        const bool feet = name.endsWith("/well9.las");
        EXPECT_EQ(file["rows"], feet ? 22 : 23);
        EXPECT_EQ(file["properties"]["depth_unit"].toString(), feet ? "ft, converted to m" : "");
        const float min = static_cast<float>(file["columns"][0]["min"].toDouble());
        EXPECT_EQ(min, feet ? 1009 * 0.3048f : 1010.0f);
    }
}

TEST(WelldataCommand, AsksForUnitsAndCarriesTheAnswerFromFileToFile) {
    const auto las = [](auto... more) {
        return Texts{"las", "well_log_feet.las", "well_log.las", "--csv", "--depth-unit", more...};
    };
    // The first cell of well_log.las, after the 24 rows of the feet file.
    const auto metreFileDepth = [](const CommandResult& result) {
        const Csv csv = ParseCsv(result.out);
        return csv.size() > 25 ? csv[25][1] : std::string();
    };
    // Answered once and kept: the metre file is taken as feet too.
    const CommandResult asked =
        Check(las("ask", "--progress"), 0, {}, {"[2/2] well_log.las", "%"}, "ft\n\ny\n");
    EXPECT_EQ(metreFileDepth(asked), "655.32");
    EXPECT_EQ(Count(asked.err, "Depth unit (m, in, ft, dm, cm) [ft]: "), 1u);
    // Not kept: each file asked, the second declares metres and is not asked.
    EXPECT_EQ(metreFileDepth(Check(las("ask"), 0, {}, {"Depth unit"}, "ft\nm\nn\n")), "2150");
    // A unit given holds for every file, whatever it declares.
    const CommandResult given = Check(las("ft", "-q", "--progress"), 0, {});
    EXPECT_EQ(metreFileDepth(given), "655.32");
    EXPECT_EQ(ParseCsv(given.out)[1][1], "2149.7544");
    EXPECT_EQ(ParseCsv(Check(las("m"), 0, {}).out)[1][1], "7053");
}

} // namespace
