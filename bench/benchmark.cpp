// welldata_bench [--repeat N] [--figures a,b,...] [--tsv FILE] KIND FILE
// Times the loads of one file against the strtod baseline, each figure in a
// child process of its own, and prints one table row per figure. KIND is the
// generator's kind (las, las-wrapped, log-table, path-table, head-table,
// core-analysis, core-describe).
// Figures: baseline, reader, readfile, loadlas, loadlog, loadpath, loadheads,
// loadcoreanalysis, loadcoredescribe, preview15, preview-las; the default set
// depends on KIND.
#include "BaselineParse.h"
#include "BenchFigure.h"

#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"
#include "reader/CDataFileReader.h"
#include "welldata/CLoadData.h"
#include "welldata/MessageBox.h"
#include "welldata/Utf8.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Bytes the heap hands out at the moment, mapped blocks included.
long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

struct Options {
    int repeat = 1;
    std::vector<std::string> figures;
    std::string tsvPath;
    std::string kind;
    std::string path;
};

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');)
        items.push_back(item);
    return items;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        if (std::strcmp(argv[i], "--repeat") == 0)
            options.repeat = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--figures") == 0)
            options.figures = SplitList(argv[i + 1]);
        else if (std::strcmp(argv[i], "--tsv") == 0)
            options.tsvPath = argv[i + 1];
        else
            return false;
    }
    if (argc - i != 2)
        return false;
    options.kind = argv[i];
    options.path = argv[i + 1];
    return true;
}

std::vector<std::string> DefaultFigures(const std::string& kind) {
    std::map<std::string, std::vector<std::string>> defaults = {
        {"las", {"baseline", "reader", "readfile", "loadlas"}},
        {"las-wrapped", {"baseline", "reader", "readfile"}},
        {"log-table", {"baseline", "reader", "loadlog"}},
        {"path-table", {"baseline", "reader", "loadpath"}},
        {"head-table", {"baseline", "reader", "loadheads"}},
        {"core-analysis", {"baseline", "reader", "loadcoreanalysis"}},
        {"core-describe", {"baseline", "reader", "loadcoredescribe"}},
    };
    const auto found = defaults.find(kind);
    return found == defaults.end() ? std::vector<std::string>() : found->second;
}

bool IsLasKind(const std::string& kind) {
    return kind == "las" || kind == "las-wrapped";
}

// A reader set up the way the loads set it up for this kind of file.
void PrepareReader(CDataFileReader& reader, const Options& options) {
    reader.SetFilePath(welldata::FromUtf8(options.path));
    if (IsLasKind(options.kind)) {
        reader.SetDataFormat(COMMON::WLDF_LAS);
        reader.SetHeaderRow(false);
        reader.EnsureSections();
    } else {
        reader.SetDataFormat(COMMON::WLDF_TEXT);
    }
}

// Times `action`; the results' heap is what the heap holds afterwards beyond
// `heapBefore`, once `dropRows` has let the reader's rows go.
template <typename Action, typename DropRows>
bool Timed(WorkRun& run, long long heapBefore, Action action, DropRows dropRows) {
    const Clock::time_point start = Clock::now();
    const bool ok = action();
    run.seconds = SecondsSince(start);
    dropRows();
    run.recordsBytes = HeapInUse() - heapBefore;
    return ok;
}

template <typename Action> bool Timed(WorkRun& run, long long heapBefore, Action action) {
    return Timed(run, heapBefore, action, [] {});
}

bool Baseline(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    const bool las = IsLasKind(options.kind);
    const int headerLines = options.kind == "log-table" || options.kind == "path-table" ? 2 : 1;
    BaselineParse baseline(las ? "~A" : "", headerLines);
    return Timed(run, heap,
                 [&] { return baseline.Run(options.path) && baseline.ValueCount() > 0; });
}

// The reader's rows are what it holds here.
bool ReaderOnly(const Options& options, int mode, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    return Timed(run, heap, [&] { return reader.Read(mode); });
}

bool ReadFileByName(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CLoadData data(COMMON::LDT_WELL_DATA);
    std::wstring path = welldata::FromUtf8(options.path);
    return Timed(run, heap,
                 [&] { return data.ReadFile(path) && !data.GetWellLog().lstCurves.empty(); });
}

// Every curve of the "~C" section, as the log dialog hands them over after its
// preview.
bool LoadLasChosen(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log(&reader, &path, &curves);
    if (!reader.Read(CDataFileReader::kReadLasPreview))
        return false;
    reader.TakePreviewText();
    const CLasSection* section = reader.GetLasSections()->FindSection(L"~C");
    if (section == nullptr)
        return false;
    std::list<COMMON::STRUCT_CURVE_ITEM> chosen;
    for (int i = 0; i < section->GetItemCount(); ++i) {
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.strName = curve.strType = section->GetItem(i)->strMnemonic;
        curve.nColumn = i + 1;
        chosen.push_back(curve);
    }
    log.SetCurves(chosen);
    log.SetUserCurveList(true);
    // The dialog's end clears the reader; the load reads the file again.
    reader.Clear();
    reader.EnsureSections();
    return Timed(
        run, heap, [&] { return log.LoadLas() && !curves.lstCurves.front().vecValues.empty(); },
        [&] { reader.Clear(); });
}

bool LoadLogTable(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    reader.SetHeaderSearch(true);
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log(&reader, &path, &curves);
    // As the import dialog does: a preview names the columns, every one is chosen.
    if (!reader.Read(CDataFileReader::kReadPreview))
        return false;
    const Row header = reader.GetFirstRow();
    std::list<COMMON::STRUCT_CURVE_ITEM> chosen;
    for (size_t i = 0; i < header.size(); ++i) {
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.strName = curve.strType = header[i];
        curve.nColumn = static_cast<std::int32_t>(i + 1);
        chosen.push_back(curve);
    }
    log.SetCurves(chosen);
    log.SetNullValues({-999.25f});
    reader.Clear();
    return Timed(
        run, heap, [&] { return log.LoadLog() && !curves.lstCurves.front().vecValues.empty(); },
        [&] { reader.Clear(); });
}

bool LoadPathTable(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    COMMON::STRUCT_WELL_PATH path;
    CWellPath loader(&reader, &path);
    loader.SetDataType(PATH_MD_INCL_AZIM);
    loader.SetMDColumn(0);
    loader.SetINCLColumn(1);
    loader.SetAZIMColumn(2);
    return Timed(
        run, heap, [&] { return loader.LoadPath() && !path.dqPoints.empty(); },
        [&] { reader.Clear(); });
}

bool LoadHeadTable(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&reader, &heads);
    loader.SetNameColumn(0);
    loader.SetXColumn(1);
    loader.SetYColumn(2);
    loader.SetKBColumn(3);
    loader.SetKBUsed(true);
    loader.SetTopDepthColumn(4);
    loader.SetTopDepthUsed(true);
    loader.SetBottomDepthColumn(5);
    loader.SetBottomDepthUsed(true);
    loader.SetSymbolColumn(6);
    loader.SetSymbolUsed(true);
    // The rows stay in the reader for the host: they count beyond the records.
    return Timed(
        run, heap, [&] { return loader.Load() && !heads.empty(); }, [&] { reader.Clear(); });
}

bool LoadCoreAnalysis(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    std::list<COMMON::STRUCT_CURVE_ITEM> columns;
    for (int i = 0; i < 5; ++i) {
        COMMON::STRUCT_CURVE_ITEM column;
        column.nColumn = i;
        columns.push_back(column);
    }
    loader.SetColumnList(columns);
    return Timed(
        run, heap, [&] { return loader.Load() && !items.front().vecValues.empty(); },
        [&] { reader.Clear(); });
}

bool LoadCoreDescription(const Options& options, WorkRun& run) {
    const long long heap = HeapInUse();
    CDataFileReader reader;
    PrepareReader(reader, options);
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&reader, &record);
    loader.SetTopColumn(0);
    loader.SetBottomColumn(1);
    loader.SetDescribeColumn(2);
    return Timed(
        run, heap, [&] { return loader.Load() && !record.lstItems.empty(); },
        [&] { reader.Clear(); });
}

bool MakeFigure(const std::string& name, const Options& options, BenchFigure::Work& work) {
    const std::map<std::string, BenchFigure::Work> figures = {
        {"baseline", [&](WorkRun& r) { return Baseline(options, r); }},
        {"reader", [&](WorkRun& r) { return ReaderOnly(options, CDataFileReader::kReadAll, r); }},
        {"readfile", [&](WorkRun& r) { return ReadFileByName(options, r); }},
        {"loadlas", [&](WorkRun& r) { return LoadLasChosen(options, r); }},
        {"loadlog", [&](WorkRun& r) { return LoadLogTable(options, r); }},
        {"loadpath", [&](WorkRun& r) { return LoadPathTable(options, r); }},
        {"loadheads", [&](WorkRun& r) { return LoadHeadTable(options, r); }},
        {"loadcoreanalysis", [&](WorkRun& r) { return LoadCoreAnalysis(options, r); }},
        {"loadcoredescribe", [&](WorkRun& r) { return LoadCoreDescription(options, r); }},
        {"preview15",
         [&](WorkRun& r) { return ReaderOnly(options, CDataFileReader::kReadPreview, r); }},
        {"preview-las",
         [&](WorkRun& r) { return ReaderOnly(options, CDataFileReader::kReadLasPreview, r); }},
    };
    const auto found = figures.find(name);
    if (found == figures.end())
        return false;
    work = found->second;
    return true;
}

// Reads the file once so that every figure starts with it in the page cache.
long long WarmPageCache(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return -1;
    static char buffer[1 << 20];
    long long total = 0;
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        total += static_cast<long long>(got);
    std::fclose(file);
    return total;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--repeat N] [--figures a,b,...] [--tsv FILE] KIND FILE\n",
                     argv[0]);
        return 2;
    }
    if (options.figures.empty())
        options.figures = DefaultFigures(options.kind);
    const long long bytes = WarmPageCache(options.path);
    if (bytes <= 0 || options.figures.empty()) {
        std::fprintf(stderr, "cannot read %s or unknown kind %s\n", options.path.c_str(),
                     options.kind.c_str());
        return 2;
    }
    // Messages go to standard error; no dialog may wait for an answer.
    welldata::SetMessageHandler([](const welldata::MessageRequest& request) {
        std::fprintf(stderr, "message: %s\n", welldata::ToUtf8(request.text).c_str());
        return welldata::MessageResult::Ok;
    });

    std::FILE* tsv = options.tsvPath.empty() ? nullptr : std::fopen(options.tsvPath.c_str(), "a");
    const double megabytes = static_cast<double>(bytes) / (1 << 20);
    double baselineSeconds = 0;
    std::printf("| file | MB | figure | ok | seconds | MB/s | x baseline | peak MB | records MB "
                "| peak - records MB | peak/size |\n"
                "|---|---:|---|---|---:|---:|---:|---:|---:|---:|---:|\n");
    const char* name = std::strrchr(options.path.c_str(), '/');
    name = name != nullptr ? name + 1 : options.path.c_str();
    for (const std::string& figureName : options.figures) {
        BenchFigure::Work work;
        if (!MakeFigure(figureName, options, work)) {
            std::fprintf(stderr, "unknown figure %s\n", figureName.c_str());
            return 2;
        }
        const FigureResult result = BenchFigure(figureName, work).Run(options.repeat);
        if (figureName == "baseline")
            baselineSeconds = result.seconds;
        const double peakMB = static_cast<double>(result.peakKiB) / 1024;
        const double recordsMB = static_cast<double>(result.recordsBytes) / (1 << 20);
        // A preview reads a few lines, so a rate over the whole file means nothing.
        const bool preview = figureName.rfind("preview", 0) == 0;
        char rate[32] = "-";
        if (!preview)
            std::snprintf(rate, sizeof rate, "%.1f", megabytes / result.seconds);
        char ratio[32] = "-";
        if (baselineSeconds > 0)
            std::snprintf(ratio, sizeof ratio, "%.2f", result.seconds / baselineSeconds);
        std::printf("| %s | %.1f | %s | %s | %.4f | %s | %s | %.1f | %.1f | %.1f | %.2f |\n", name,
                    megabytes, figureName.c_str(), result.ok ? "yes" : "NO", result.seconds, rate,
                    ratio, peakMB, recordsMB, peakMB - recordsMB, peakMB / megabytes);
        std::fflush(stdout);
        if (tsv != nullptr)
            std::fprintf(tsv, "%s\t%.1f\t%s\t%d\t%.6f\t%.1f\t%.1f\n", name, megabytes,
                         figureName.c_str(), result.ok ? 1 : 0, result.seconds, peakMB, recordsMB);
    }
    if (tsv != nullptr)
        std::fclose(tsv);
    return 0;
}
