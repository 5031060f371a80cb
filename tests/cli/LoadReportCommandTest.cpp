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
    // The only file of a JSON run, with its exit status checked.
    QJsonObject File(const Texts& arguments, int status = 0) const {
        const CommandResult result = RunWelldata(arguments);
        EXPECT_EQ(result.status, status) << result.err;
        return ParseJson(result.out)["files"][0].toObject();
    }
    // The reason listed for the only file that failed, and the exit status.
    std::pair<int, QString> Failure(const Texts& arguments) const {
        const CommandResult result = RunWelldata(arguments);
        const QJsonArray failed = ParseJson(result.out)["failed"].toArray();
        EXPECT_EQ(failed.size(), 1) << result.out;
        EXPECT_TRUE(ParseJson(result.out)["files"].toArray().isEmpty()) << result.out;
        return {result.status, failed[0]["reason"].toString()};
    }

    ts::ScratchDir dir;
};

// A count and the lines of a finding in a file's JSON load report.
std::pair<int, QJsonArray> Finding(const QJsonObject& file, const char* key) {
    const QJsonObject finding = file["load_report"][key].toObject();
    return {finding["count"].toInt(), finding["lines"].toArray()};
}

TEST_F(LoadReportCommand, AnEmptyFieldShiftsTheRowAndIsReported) {
    const std::string file = Write("t.csv", "DEPTH,GR,RHOB\n1000,50,2.4\n1000.5,,2.45\n");
    const CommandResult csv = RunWelldata({"log", file, "--csv"});
    EXPECT_EQ(csv.status, 0);
    const Csv rows = ParseCsv(csv.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], (Texts{file, "1000.5", "2.45", ""})) << "the rules stay, the null empty";
    EXPECT_EQ(Count(csv.err, "\n"), 1u) << csv.err;
    EXPECT_TRUE(Holds(csv.err, "(line 3)"));
    const QJsonObject json = File({"log", file, "--json"});
    EXPECT_EQ(Finding(json, "short_rows"), std::pair(1, QJsonArray{3}));
    EXPECT_EQ(Finding(json, "long_rows").first, 0);
    EXPECT_EQ(Failure({"log", file, "--json", "--strict"}).first, 1);
}

TEST_F(LoadReportCommand, ADescriptionSplitAtItsBlanksIsReported) {
    const std::string file =
        Write("d.txt", "TOP\tBOTTOM\tLITHOLOGY\n1000\t1002.5\tfine grained sandstone\n");
    const Csv rows = ParseCsv(RunWelldata({"core-describe", file, "--csv"}).out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (Texts{file, "1000", "1002.5", "fine"}));
    const QJsonObject json = File({"core-describe", file, "--json"});
    EXPECT_EQ(Finding(json, "long_rows"), std::pair(1, QJsonArray{2}));
    EXPECT_EQ(Failure({"core-describe", file, "--json", "--strict"}).first, 1);
}

TEST_F(LoadReportCommand, AHeaderSplitIntoMoreNamesIsReported) {
    const std::string file = Write("h.csv", "Depth (ft),GR (API),RHOB (g/cc)\n1000,50,2.4\n");
    const QJsonObject json = File({"log", file, "--json"});
    EXPECT_EQ(json["load_report"]["header_cells"], 6);
    EXPECT_EQ(json["load_report"]["header_fields"], 3);
    EXPECT_EQ(json["load_report"]["findings"].toArray().size(), 2);
    EXPECT_EQ(Finding(json, "short_rows"), std::pair(1, QJsonArray{2}));
    EXPECT_EQ(Column(json, "GR")["values"][0], 2.4) << "the rules stay: GR holds RHOB's value";
    const auto [status, reason] = Failure({"log", file, "--json", "--strict"});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(reason, "--strict: the load moved, dropped or read cells as 0");
}

TEST_F(LoadReportCommand, TheUnitsLineStandsBesideTheRecordedUnits) {
    const std::string file = Write("u.txt", "DEPTH\tDT\tCALI\nft\tus/ft\tcm\n1000\t80\t21\n");
    const QJsonObject json = File({"log", file, "--json"});
    // Name, recorded unit (the settings' default), declared, the one the values are in.
    const std::tuple<QString, QString, QString, QString> units[] = {
        {"DEPTH", "m", "ft", "ft"}, {"DT", "μs/m", "us/ft", "us/ft"}, {"CALI", "in", "cm", "cm"}};
    for (const auto& [name, unit, declared, used] : units) {
        const QJsonObject column = Column(json, name);
        EXPECT_EQ(column["unit"], unit);
        EXPECT_EQ(column["declared_unit"], declared);
        EXPECT_EQ(column["unit_used"], used);
    }
    // Converted from the declared feet, the depth is in the recorded metres.
    const QJsonObject converted = File({"log", file, "--json", "--depth-unit", "ft"});
    EXPECT_EQ(Column(converted, "DEPTH")["unit_used"], "m");
    EXPECT_EQ(Column(converted, "DEPTH")["values"][0], 304.8);
    const Csv csv = ParseCsv(RunWelldata({"log", file, "--csv", "--units-row", "-q"}).out);
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[1], (Texts{"(unit)", "m", "μs/m", "in"}));
    EXPECT_EQ(csv[2], (Texts{"(declared unit)", "ft", "us/ft", "cm"}));
}

TEST_F(LoadReportCommand, AFileThatIsNotTextFailsForEveryCommand) {
    for (const char* command : {"core-analysis", "core-describe", "log", "path", "heads", "las"}) {
        const auto [status, reason] = Failure({command, "/bin/ls", "--json"});
        EXPECT_EQ(status, 1) << command;
        EXPECT_TRUE(reason.startsWith("the file is not text: it holds "))
            << command << reason.toStdString();
    }
    // A text table without a number, and a LAS file without curves.
    const std::string words = Write("w.txt", "A B\nx y\nz w\n");
    EXPECT_EQ(Failure({"core-analysis", words, "--json"}),
              std::pair(1, QString("no column holds numbers (1:A 2:B)")));
    const std::string las = Write("e.las", ts::LasHeader() + "~C\n~A\n1 2\n");
    EXPECT_EQ(Failure({"las", las, "--json"}).first, 1);
}

TEST_F(LoadReportCommand, TheQuarterTurnIsNamedForWhatItDoes) {
    const std::string file = Write("p.txt", "MD INCL AZIM\n0 0 10\n100 5 300\n");
    const CommandResult old = RunWelldata({"path", file, "--true-north"});
    EXPECT_EQ(old.status, 2) << "no option claims a north correction";
    EXPECT_TRUE(old.out.empty());
    const QJsonObject plain = File({"path", file, "--json"});
    const QJsonObject turned = File({"path", file, "--json", "--azimuth-quarter-turn"});
    EXPECT_EQ(Column(plain, "AZIM")["values"], (QJsonArray{10, 300}));
    EXPECT_EQ(Column(turned, "AZIM")["values"], (QJsonArray{100, 390}));
    EXPECT_EQ(turned["properties"]["azimuths"], "90 degrees added to each");
    EXPECT_TRUE(Holds(RunWelldata({"path", "--help"}).out, "--azimuth-quarter-turn"));
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
    EXPECT_EQ(Column(File({"las", "well_log.las", "--json"}), "GR")["display_name"], "自然伽马");
    const std::string heads = Write("heads.txt", "NAME X Y\nA1 4000000 20000000\n");
    const CommandResult summary = RunWelldata({"heads", heads});
    EXPECT_EQ(summary.status, 0);
    std::string line = summary.out.substr(summary.out.find("\n  X "));
    line = line.substr(0, line.find('\n', 1));
    EXPECT_EQ(line.substr(line.rfind(' ') + 1), "4000000") << summary.out;
    const CommandResult jpeg = RunWelldata({"las", "well_log.las", "--plot", "plot.jpg"});
    EXPECT_EQ(jpeg.status, 2);
    EXPECT_TRUE(Holds(jpeg.err, "name a file ending in .png"));
}

TEST_F(LoadReportCommand, PathPositionsInEveryForm) {
    const std::string file =
        Write("s.txt", "MD\tINCL\tAZIM\n0\t0\t0\n100\t0\t0\n200\t10\t90\n200\t11\t91\n");
    const Texts arguments{"path", file, "--positions", "--head", "500,600,10"};
    Texts json = arguments;
    json.push_back("--json");
    const CommandResult result = RunWelldata(json);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(Holds(result.err, "points left out of the positions: 4 (MD not down the hole)"));
    const QJsonObject stations = ParseJson(result.out)["files"][0].toObject();
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
    EXPECT_EQ(RunWelldata({"path", file, "--positions", "--head", "1"}).status, 2);
}

} // namespace
