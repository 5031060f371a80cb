// The command tells what a load did to a file: one case per way a file used to
// load silently changed, checked in the parsed CSV and JSON and the exit
// status; then the output details and the positions of a well path.
#include "CommandRunner.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

using namespace cli_test;
namespace ts = testing_support;

class LoadReportCommand : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) const {
        return ts::Narrow(dir.Write(name, text));
    }
    // The exit status and the reason listed for the only file, which failed.
    static std::pair<int, QString> Failure(Texts arguments) {
        arguments.push_back("--json");
        const CommandResult result = RunWelldata(arguments);
        const QJsonObject json = ParseJson(result.out);
        EXPECT_EQ(json["failed"].toArray().size(), 1) << result.out;
        EXPECT_TRUE(json["files"].toArray().isEmpty()) << result.out;
        return {result.status, json["failed"][0]["reason"].toString()};
    }
    // A file that loads with a finding fails under --strict.
    static void FailsStrictly(const Texts& arguments) {
        Texts strict = arguments;
        strict.push_back("--strict");
        EXPECT_EQ(Failure(strict),
                  std::pair(1, QString("--strict: the load moved, dropped or read cells as 0")));
    }

    ts::ScratchDir dir;
};

// The count and the lines of a finding in a file's JSON load report.
std::pair<int, QJsonArray> Finding(const QJsonObject& file, const char* key) {
    const QJsonObject finding = file["load_report"][key].toObject();
    return {finding["count"].toInt(), finding["lines"].toArray()};
}

TEST_F(LoadReportCommand, AnEmptyFieldShiftsTheRowAndIsReported) {
    // A comma in its name too: the FILE cell is quoted.
    const std::string file = Write("t,1.csv", "DEPTH,GR,RHOB\n1000,50,2.4\n1000.5,,2.45\n");
    const CommandResult csv = RunWelldata({"log", file, "--csv"});
    EXPECT_EQ(csv.status, 0);
    const Csv rows = ParseCsv(csv.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], (Texts{file, "1000.5", "2.45", ""})) << "the rules stay, the null empty";
    EXPECT_TRUE(Holds(csv.err, "(line 3)"));
    EXPECT_EQ(Finding(JsonFile({"log", file}, true), "short_rows"), std::pair(1, QJsonArray{3}));
    FailsStrictly({"log", file});
}

TEST_F(LoadReportCommand, ADescriptionSplitAtItsBlanksIsReported) {
    const std::string file =
        Write("d.txt", "TOP\tBOTTOM\tLITHOLOGY\n1000\t1002.5\tfine grained sandstone\n");
    const Csv rows = ParseCsv(RunWelldata({"core-describe", file, "--csv"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (Texts{file, "1000", "1002.5", "fine"}));
    EXPECT_EQ(Finding(JsonFile({"core-describe", file}, true), "long_rows"),
              std::pair(1, QJsonArray{2}));
    FailsStrictly({"core-describe", file});
}

TEST_F(LoadReportCommand, AHeaderSplitIntoMoreNamesIsReported) {
    const std::string file = Write("h.csv", "Depth (ft),GR (API),RHOB (g/cc)\n1000,50,2.4\n");
    const QJsonObject json = JsonFile({"log", file}, true);
    EXPECT_EQ(json["load_report"]["header_cells"], 6);
    EXPECT_EQ(json["load_report"]["header_fields"], 3);
    EXPECT_EQ(Column(json, "GR")["values"][0], 2.4) << "the rules stay: GR holds RHOB's value";
}

TEST_F(LoadReportCommand, TheUnitsLineStandsBesideTheRecordedUnits) {
    const std::string file = Write("u.txt", "DEPTH\tDT\tCALI\nft\tus/ft\tcm\n1000\t80\t21\n");
    // The recorded unit (the settings' default), the declared one, the one the values are in.
    const QJsonObject dt = Column(JsonFile({"log", file}, true), "DT");
    EXPECT_EQ((QStringList{dt["unit"].toString(), dt["declared_unit"].toString(),
                           dt["unit_used"].toString()}),
              (QStringList{"μs/m", "us/ft", "us/ft"}));
    // Converted from the declared feet, the depth is in the recorded metres.
    const QJsonObject depth = Column(JsonFile({"log", file, "--depth-unit", "ft"}, true), "DEPTH");
    EXPECT_EQ(depth["unit_used"], "m");
    EXPECT_EQ(depth["values"][0], 304.8);
    const Csv csv = ParseCsv(RunWelldata({"log", file, "--csv", "--units-row", "-q"}).out);
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[1], (Texts{"(unit)", "m", "μs/m", "in"}));
    EXPECT_EQ(csv[2], (Texts{"(declared unit)", "ft", "us/ft", "cm"}));
}

TEST_F(LoadReportCommand, AFileThatIsNotTextFailsForEveryCommand) {
    for (const char* command : {"core-analysis", "core-describe", "log", "path", "heads", "las"}) {
        const auto [status, reason] = Failure({command, "/bin/ls"});
        EXPECT_EQ(status, 1) << command;
        EXPECT_TRUE(reason.startsWith("the file is not text: it holds "))
            << command << reason.toStdString();
    }
    EXPECT_EQ(Failure({"core-analysis", Write("w.txt", "A B\nx y\nz w\n")}),
              std::pair(1, QString("no column holds numbers (1:A 2:B)")));
}

TEST_F(LoadReportCommand, TheQuarterTurnIsNamedForWhatItDoes) {
    const std::string file = Write("p.txt", "MD INCL AZIM\n0 0 10\n100 5 300\n");
    EXPECT_EQ(Column(JsonFile({"path", file}), "AZIM")["values"], (QJsonArray{10, 300}));
    const QJsonObject turned = JsonFile({"path", file, "--azimuth-quarter-turn"});
    EXPECT_EQ(Column(turned, "AZIM")["values"], (QJsonArray{100, 390}));
    EXPECT_EQ(turned["properties"]["azimuths"], "90 degrees added to each");
}

TEST_F(LoadReportCommand, OutputDetails) {
    // Nulls in the chosen text; a FILE column for a single file too.
    const Csv csv =
        ParseCsv(RunWelldata({"las", "well_log.las", "--csv", "--null-text", "NA"}).out);
    ASSERT_GT(csv.size(), 3u);
    EXPECT_EQ(csv[0][0], "FILE");
    EXPECT_EQ(csv[1][0], "well_log.las");
    EXPECT_EQ(csv[1][5], "NA") << "DEN's first value is a null";
    // LAS curves carry their display names; no exponent in a coordinate.
    EXPECT_EQ(Column(JsonFile({"las", "well_log.las"}), "GR")["display_name"], "自然伽马");
    const std::string summary =
        Check({"heads", Write("heads.txt", "NAME X Y\nA1 4000000 20000000\n")}, 0, {}).out;
    const size_t x = summary.find("\n  X ");
    EXPECT_TRUE(Holds(summary.substr(x, summary.find('\n', x + 1) - x), " 4000000"));
}

TEST_F(LoadReportCommand, PathPositionsInEveryForm) {
    const std::string file =
        Write("s.txt", "MD\tINCL\tAZIM\n0\t0\t0\n100\t0\t0\n200\t10\t90\n200\t11\t91\n");
    const Texts arguments{"path", file, "--positions", "--head", "500,600,10"};
    const QJsonObject stations = JsonFile(arguments, true);
    EXPECT_EQ(stations["kind"], "well path positions");
    EXPECT_EQ(stations["rows"], 3);
    EXPECT_EQ(stations["properties"]["skipped_points"], 1);
    EXPECT_EQ(Column(stations, "X")["values"][1], 500);
    EXPECT_EQ(Column(stations, "TVDSS")["values"][1], 90);
    EXPECT_EQ(Column(stations, "DLS")["unit"], "deg/30m");
    EXPECT_GT(Column(stations, "EAST")["values"][2].toDouble(), 0.0);
    Texts csv = arguments;
    csv.push_back("--csv");
    const Csv rows = ParseCsv(RunWelldata(csv).out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (Texts{"FILE", "MD", "TVD", "TVDSS", "NORTH", "EAST", "X", "Y", "DLS"}));
    EXPECT_EQ(rows[2][3], "90");
    EXPECT_TRUE(Holds(RunWelldata(arguments).out, "well path positions, 8 columns, 3 stations"));
}

} // namespace
