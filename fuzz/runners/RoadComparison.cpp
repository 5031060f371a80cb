#include "fuzz/runners/RoadComparison.h"

#include "fuzz/runners/RoadEvents.h"
#include "interface/FailureReason.h"
#include "reader/CDataFileReader.h"
#include "welldata/CLoadData.h"
#include "welldata/Utf8.h"

#include <cmath>
#include <cstring>

namespace welldata::fuzz {

namespace {

using COMMON::STRUCT_CURVE_ITEM;

// The values of a floating-point (or plain) value are the same bit for bit:
// two NaNs of one pattern are equal, 0 and -0 are not.
template <class T> bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class T> bool SameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// Collects the first difference between the two roads.
class Differences {
public:
    void Check(bool same, const std::string& what) {
        if (!same && m_first.empty())
            m_first = what;
    }
    template <class T> void Equal(const T& streaming, const T& table, const std::string& what) {
        Check(streaming == table, what);
    }
    void Events(const std::vector<std::wstring>& streaming,
                const std::vector<std::wstring>& table) {
        const size_t count = std::max(streaming.size(), table.size());
        for (size_t i = 0; i < count; ++i) {
            const std::wstring a = i < streaming.size() ? streaming[i] : L"(none)";
            const std::wstring b = i < table.size() ? table[i] : L"(none)";
            if (a != b) {
                Check(false, "event " + std::to_string(i) + ": streaming \"" + ToUtf8(a) +
                                 "\", row table \"" + ToUtf8(b) + "\"");
                return;
            }
        }
    }
    void Report(const LoadReport& a, const LoadReport& b) {
        const auto lines = [&](const ReportedLines& x, const ReportedLines& y, const char* what) {
            Equal(x.count, y.count,
                  std::string("report ") + what + " count: streaming " + std::to_string(x.count) +
                      ", row table " + std::to_string(y.count));
            Equal(x.lines, y.lines, std::string("report ") + what + " lines");
        };
        Equal(a.headerLine, b.headerLine, "report header line");
        Equal(a.headerCells, b.headerCells, "report header cells");
        Equal(a.headerFields, b.headerFields, "report header fields");
        lines(a.shortRows, b.shortRows, "short rows");
        lines(a.longRows, b.longRows, "long rows");
        lines(a.textCells, b.textCells, "text cells");
        Equal(a.unitsLine, b.unitsLine, "report units line");
        Equal(a.declaredUnits, b.declaredUnits, "report declared units");
        Equal(a.bytes, b.bytes, "report bytes");
        Equal(a.nulBytes, b.nulBytes, "report NUL bytes");
        Equal(a.controlBytes, b.controlBytes, "report control bytes");
    }
    void Failure(const LoadFailure& a, const LoadFailure& b) {
        Equal(a.error, b.error, "failure");
        Equal(a.message, b.message, "failure message");
    }
    void Path(const COMMON::STRUCT_WELL_PATH& a, const COMMON::STRUCT_WELL_PATH& b) {
        Check(SameBits(a.dReserved1, b.dReserved1) && SameBits(a.dReserved2, b.dReserved2),
              "path reserved");
        Equal(a.bHasNullValue, b.bHasNullValue, "path null flag");
        Check(SameBits(a.fNullValue, b.fNullValue), "path null value");
        Equal(a.nAngleUnit, b.nAngleUnit, "path angle unit");
        Equal(a.nDataType, b.nDataType, "path data type");
        Equal(a.dqPoints.size(), b.dqPoints.size(), "path point count");
        for (size_t i = 0; i < std::min(a.dqPoints.size(), b.dqPoints.size()); ++i)
            Check(SameBits(a.dqPoints[i], b.dqPoints[i]), "path point " + std::to_string(i));
    }
    void Curve(const STRUCT_CURVE_ITEM& a, const STRUCT_CURVE_ITEM& b, const std::string& what) {
        Check(a.strName == b.strName && a.strDisplayName == b.strDisplayName &&
                  a.nColumn == b.nColumn && a.strType == b.strType && a.strUnit == b.strUnit &&
                  a.bLogarithmic == b.bLogarithmic && a.nReserved1 == b.nReserved1 &&
                  a.nReserved2 == b.nReserved2,
              what + " settings");
        Check(SameBits(a.vecValues, b.vecValues), what + " values");
    }
    void Curves(const std::list<STRUCT_CURVE_ITEM>& a, const std::list<STRUCT_CURVE_ITEM>& b,
                const std::string& what) {
        Equal(a.size(), b.size(), what + " count");
        auto x = a.begin();
        auto y = b.begin();
        for (size_t i = 0; x != a.end() && y != b.end(); ++i, ++x, ++y)
            Curve(*x, *y, what + " " + std::to_string(i));
    }
    void Log(const COMMON::STRUCT_WELL_CURVE& a, const COMMON::STRUCT_WELL_CURVE& b) {
        Check(a.bReserved == b.bReserved && a.bSkipNullValues == b.bSkipNullValues &&
                  a.bReserved2 == b.bReserved2 && a.bWithWellPath == b.bWithWellPath &&
                  a.strGroupName == b.strGroupName && a.nGroupMode == b.nGroupMode &&
                  SameBits(a.vecNullValues, b.vecNullValues),
              "curve group settings");
        Curves(a.lstCurves, b.lstCurves, "curve");
    }
    void Heads(const std::list<COMMON::STRUCT_WELL_HEAD>& a,
               const std::list<COMMON::STRUCT_WELL_HEAD>& b) {
        Equal(a.size(), b.size(), "well head count");
        auto y = b.begin();
        size_t i = 0;
        for (auto x = a.begin(); x != a.end() && y != b.end(); ++x, ++y, ++i)
            Check(x->strWellName == y->strWellName && x->strWellType == y->strWellType &&
                      SameBits(x->dX, y->dX) && SameBits(x->dY, y->dY) &&
                      SameBits(x->fTopDepth, y->fTopDepth) &&
                      SameBits(x->fBottomDepth, y->fBottomDepth) && SameBits(x->fKB, y->fKB) &&
                      x->nReserved == y->nReserved && SameBits(x->dX2, y->dX2) &&
                      SameBits(x->dY2, y->dY2),
                  "well head " + std::to_string(i));
    }
    void Description(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& a,
                     const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& b) {
        Equal(a.strColumnName, b.strColumnName, "description column name");
        Equal(a.lstItems.size(), b.lstItems.size(), "interval count");
        auto y = b.lstItems.begin();
        size_t i = 0;
        for (auto x = a.lstItems.begin(); x != a.lstItems.end() && y != b.lstItems.end();
             ++x, ++y, ++i)
            Check(SameBits(x->fTop, y->fTop) && SameBits(x->fBottom, y->fBottom) &&
                      x->strDescribe == y->strDescribe,
                  "interval " + std::to_string(i));
    }
    void Sections(const CLasSectionTable* a, const CLasSectionTable* b) {
        Check((a == nullptr) == (b == nullptr), "LAS section table");
        if (a == nullptr || b == nullptr)
            return;
        Equal(a->Sections().size(), b->Sections().size(), "LAS section count");
        for (size_t s = 0; s < std::min(a->Sections().size(), b->Sections().size()); ++s) {
            const CLasSection& x = a->Sections()[s];
            const CLasSection& y = b->Sections()[s];
            bool same = x.strName == y.strName && x.items.size() == y.items.size();
            for (size_t i = 0; same && i < x.items.size(); ++i)
                same = x.items[i].strMnemonic == y.items[i].strMnemonic &&
                       x.items[i].strUnit == y.items[i].strUnit &&
                       x.items[i].strValue == y.items[i].strValue &&
                       x.items[i].strDescription == y.items[i].strDescription;
            Check(same, "LAS section " + std::to_string(s));
        }
    }
    // What both readers hold after the load: the shape of the table, the
    // failure and the report.
    void Readers(const CDataFileReader& a, const reference::RowTableReader& b) {
        Equal(a.GetRowCount(), b.GetRowCount(), "row count");
        Equal(a.GetColumnCount(), b.GetColumnCount(), "column count");
        Failure(a.GetFailure(), b.GetFailure());
        Report(a.GetReport(), b.GetReport());
    }

    const std::string& First() const { return m_first; }

private:
    std::string m_first;
};

// A null replacement like the log loader's, to see that both roads call it alike.
void NullOrHalf(double& value) {
    if (std::isnan(value) || std::fabs(value + 999.25) < 0.001)
        value = -9999.0;
    else
        value *= 0.5;
}

constexpr int kRowsAsked = 20;
constexpr int kColumnsAsked = 32;

// What `load(bar)` shows, recorded on a bar and a message handler of its own.
template <class Load>
std::vector<std::wstring> Recorded(bool window, std::optional<UnitAnswer> answer, Load load) {
    RoadEvents events(window, answer);
    load(events.Progress());
    return events.Events();
}

// One load by both roads, on readers set up alike, each with a recording bar
// and message handler of its own.
class RoadPair {
public:
    RoadPair(const std::wstring& file, const ReaderSetup& setup) : m_setup(setup) {
        SetUp(streaming, file);
        SetUp(table, file);
    }

    // Runs each road's load (each gives its result) and compares what they
    // showed and their results.
    template <class StreamingLoad, class TableLoad>
    void Load(StreamingLoad streamingLoad, TableLoad tableLoad) {
        bool streamingResult = false;
        bool tableResult = false;
        differences.Events(Run(streaming, [&] { streamingResult = streamingLoad(); }),
                           Run(table, [&] { tableResult = tableLoad(); }));
        differences.Equal(streamingResult, tableResult, "load result");
    }
    // The first difference, the readers' state after the load included.
    std::string Finish() {
        differences.Readers(streaming, table);
        return differences.First();
    }

    Differences differences;
    CDataFileReader streaming;
    reference::RowTableReader table;

private:
    template <class Reader> void SetUp(Reader& reader, const std::wstring& file) const {
        reader.SetFilePath(file);
        reader.SetDataFormat(m_setup.format);
        reader.SetHeaderSearch(m_setup.headerSearch);
        reader.SetHeaderRow(m_setup.headerRow);
        reader.SetBatchLoad(m_setup.batch);
        reader.EnsureSections();
    }
    // Runs `load` with the reader on a recording bar; what it showed.
    template <class Reader, class Load>
    std::vector<std::wstring> Run(Reader& reader, Load load) const {
        return Recorded(m_setup.progressWindow, std::nullopt, [&](CProgressCtrl* bar) {
            reader.SetProgressCtrl(m_setup.progress ? bar : nullptr);
            load();
            reader.SetProgressCtrl(nullptr);
        });
    }

    ReaderSetup m_setup;
};

} // namespace

std::string RoadComparison::Read(int mode) {
    RoadPair roads(m_file, m_setup);
    CDataFileReader& streaming = roads.streaming;
    reference::RowTableReader& table = roads.table;
    Differences& differences = roads.differences;
    roads.Load([&] { return streaming.Read(mode); }, [&] { return table.Read(mode); });
    differences.Readers(streaming, table);
    differences.Check(streaming.GetRows() == table.GetRows(), "rows");
    differences.Sections(streaming.GetLasSections(), table.GetLasSections());
    differences.Equal(streaming.TakePreviewText(), table.TakePreviewText(), "LAS preview text");
    for (int row = -1; row <= std::min(table.GetRowCount() + 1, kRowsAsked); ++row)
        differences.Check(streaming.GetRow(row) == table.GetRow(row), "row " + std::to_string(row));
    const int width = std::min(table.GetColumnCount(), kColumnsAsked);
    std::vector<int> columns;
    for (int column = -1; column <= width; ++column) {
        differences.Equal(streaming.IsNumericCell(column), table.IsNumericCell(column),
                          "numeric cell " + std::to_string(column));
        differences.Equal(streaming.IsNumericColumn(column), table.IsNumericColumn(column),
                          "numeric column " + std::to_string(column));
        columns.push_back(column);
    }
    columns.push_back(65535);
    for (const CDataFileReader::ValueCallback& callback :
         {CDataFileReader::ValueCallback(), CDataFileReader::ValueCallback(NullOrHalf)}) {
        const auto a = streaming.GetColumns(columns, callback);
        const auto b = table.GetColumns(columns, callback);
        for (size_t i = 0; i < columns.size(); ++i)
            differences.Check(SameBits(a[i], b[i]), "column values " + std::to_string(columns[i]));
    }
    // The columns taken above add to the report.
    return roads.Finish();
}

std::string RoadComparison::LoadPath(const CWellPath& settings) {
    RoadPair roads(m_file, m_setup);
    COMMON::STRUCT_WELL_PATH streamingPath, tablePath;
    CWellPath streamingLoader(&roads.streaming, &streamingPath), tableLoader(nullptr, &tablePath);
    streamingLoader.CopySettingsFrom(settings);
    tableLoader.CopySettingsFrom(settings);
    roads.Load([&] { return streamingLoader.LoadPath(); },
               [&] { return reference::LoadPath(tableLoader, roads.table, tablePath); });
    roads.differences.Path(streamingPath, tablePath);
    return roads.Finish();
}

std::string RoadComparison::LoadLog(const CWellLog& settings,
                                    const COMMON::STRUCT_WELL_CURVE& curves, LogLoad load) {
    RoadPair roads(m_file, m_setup);
    CDataFileReader& streaming = roads.streaming;
    reference::RowTableReader& table = roads.table;
    COMMON::STRUCT_WELL_PATH streamingPath, tablePath;
    COMMON::STRUCT_WELL_CURVE streamingCurves = curves, tableCurves = curves;
    CWellLog streamingLoader(&streaming, &streamingPath, &streamingCurves);
    CWellLog tableLoader(nullptr, &tablePath, &tableCurves);
    streamingLoader.CopySettingsFrom(settings);
    tableLoader.CopySettingsFrom(settings);
    // Without a dialog's curves or a path, LoadLas takes the rows of the read
    // before it, as loading by name does.
    const bool readFirst =
        load == LogLoad::Las && !streamingLoader.HasUserCurveList() && !curves.bWithWellPath;
    roads.Load(
        [&] {
            if (readFirst)
                streaming.Read(CDataFileReader::kReadAll, streamingLoader.LasReadConsumer());
            return load == LogLoad::Las     ? streamingLoader.LoadLas()
                   : load == LogLoad::Table ? streamingLoader.LoadTable()
                                            : streamingLoader.LoadLog();
        },
        [&] {
            if (readFirst)
                table.Read(0);
            return load == LogLoad::Las
                       ? reference::LoadLas(tableLoader, table, tablePath, tableCurves)
                   : load == LogLoad::Table
                       ? reference::LoadTable(tableLoader, table, tableCurves)
                       : reference::LoadLog(tableLoader, table, tablePath, tableCurves);
        });
    roads.differences.Path(streamingPath, tablePath);
    roads.differences.Log(streamingCurves, tableCurves);
    roads.differences.Sections(streaming.GetLasSections(), table.GetLasSections());
    return roads.Finish();
}

std::string RoadComparison::LoadWellHeads(const CWellHead& settings) {
    RoadPair roads(m_file, m_setup);
    std::list<COMMON::STRUCT_WELL_HEAD> streamingHeads, tableHeads;
    CWellHead streamingLoader(&roads.streaming, &streamingHeads);
    streamingLoader.CopySettingsFrom(settings);
    roads.Load([&] { return streamingLoader.Load(); },
               [&] { return reference::LoadWellHeads(settings, roads.table, tableHeads); });
    roads.differences.Heads(streamingHeads, tableHeads);
    // The rows stay for the host.
    roads.differences.Check(roads.streaming.GetRows() == roads.table.GetRows(),
                            "rows kept for the host");
    return roads.Finish();
}

std::string RoadComparison::LoadCoreAnalysis(const std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    RoadPair roads(m_file, m_setup);
    std::list<COMMON::STRUCT_CURVE_ITEM> streamingItems = items, tableItems = items;
    CRockCoreAnalyse streamingLoader(&roads.streaming, &streamingItems);
    roads.Load([&] { return streamingLoader.Load(); },
               [&] { return reference::LoadCoreAnalysis(roads.table, tableItems); });
    roads.differences.Curves(streamingItems, tableItems, "core analysis column");
    return roads.Finish();
}

std::string RoadComparison::LoadCoreDescription(const CRockCoreDescribe& settings) {
    RoadPair roads(m_file, m_setup);
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL streamingRecord, tableRecord;
    CRockCoreDescribe streamingLoader(&roads.streaming, &streamingRecord);
    streamingLoader.CopySettingsFrom(settings);
    roads.Load([&] { return streamingLoader.Load(); },
               [&] { return reference::LoadCoreDescription(settings, roads.table, tableRecord); });
    roads.differences.Description(streamingRecord, tableRecord);
    return roads.Finish();
}

std::string RoadComparison::ReadLasByName(reference::LasUnits units,
                                          std::optional<UnitAnswer> answer) {
    Differences differences;
    // The load object's records and state, taken before its bar goes.
    bool streamingResult = false;
    COMMON::STRUCT_WELL_CURVE streamingCurves;
    COMMON::STRUCT_WELL_PATH streamingPath;
    LoadReport streamingReport;
    LoadFailure streamingFailure;
    reference::LasUnits streamingUnits;
    bool rowsLeft = true;
    const auto streamingEvents = Recorded(m_setup.progressWindow, answer, [&](CProgressCtrl* bar) {
        CLoadData load(COMMON::LDT_WELL_DATA, m_setup.progress ? bar : nullptr);
        load.SetIsBatchLoadFile(m_setup.batch);
        load.SetWellCurveUnitsInfo(units.settled, units.coorUnit, units.depthUnit);
        std::wstring path = m_file;
        streamingResult = load.ReadFile(path);
        streamingCurves = load.GetWellLog();
        streamingPath = load.GetWellPath();
        streamingReport = load.GetLoadReport();
        streamingFailure = load.GetLastFailure();
        load.GetWellCurveUnitsInfo(streamingUnits.settled, streamingUnits.coorUnit,
                                   streamingUnits.depthUnit);
        rowsLeft = !load.GetData()->empty();
    });

    reference::RowTableReader table;
    COMMON::STRUCT_WELL_PATH tablePath;
    COMMON::STRUCT_WELL_CURVE tableCurves;
    CWellLog tableLoader(nullptr, &tablePath, &tableCurves);
    table.SetBatchLoad(m_setup.batch);
    bool tableResult = false;
    const auto tableEvents = Recorded(m_setup.progressWindow, answer, [&](CProgressCtrl* bar) {
        table.SetProgressCtrl(m_setup.progress ? bar : nullptr);
        tableResult =
            reference::ReadLasByName(tableLoader, table, m_file, units, tablePath, tableCurves);
        table.SetProgressCtrl(nullptr);
    });

    differences.Equal(streamingResult, tableResult, "load result");
    differences.Events(streamingEvents, tableEvents);
    differences.Log(streamingCurves, tableCurves);
    differences.Path(streamingPath, tablePath);
    differences.Check(streamingUnits.settled == units.settled &&
                          streamingUnits.coorUnit == units.coorUnit &&
                          streamingUnits.depthUnit == units.depthUnit,
                      "units after the load");
    differences.Report(streamingReport, table.GetReport());
    LoadFailure tableFailure = tableResult ? LoadFailure() : table.GetFailure();
    if (!tableResult && !tableFailure.Failed())
        tableFailure.error = LoadError::NoData;
    GiveReason(tableFailure);
    differences.Failure(streamingFailure, tableFailure);
    differences.Check(!rowsLeft, "rows left after the load");
    return differences.First();
}

} // namespace welldata::fuzz
