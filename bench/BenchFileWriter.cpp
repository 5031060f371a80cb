#include "BenchFileWriter.h"

#include <cstring>

namespace {

constexpr double kTopDepth = 500.0;
constexpr double kDepthStep = 0.125;
constexpr double kNull = -999.25;
constexpr int kNullEveryCells = 40;
constexpr int kValuesPerWrappedLine = 6;

struct CurveInfo {
    const char* mnemonic;
    const char* unit;
    const char* description;
    double low;
    double high;
};

// Depth first; the log curves of a typical open-hole run.
constexpr CurveInfo kLasCurves[] = {
    {"DEPT", "M", "Depth", 0, 0},
    {"GR", "GAPI", "Gamma ray", 10, 180},
    {"SP", "MV", "Spontaneous potential", -120, 40},
    {"CALI", "IN", "Caliper", 6, 16},
    {"RT", "OHMM", "Deep resistivity", 0.2, 2000},
    {"RXO", "OHMM", "Flushed zone resistivity", 0.2, 500},
    {"ILM", "OHMM", "Medium induction", 0.2, 800},
    {"RHOB", "G/C3", "Bulk density", 1.9, 2.95},
    {"NPHI", "V/V", "Neutron porosity", -0.05, 0.6},
    {"DT", "US/F", "Sonic transit time", 40, 140},
    {"PEF", "B/E", "Photoelectric factor", 1.5, 6},
    {"DRHO", "G/C3", "Density correction", -0.1, 0.2},
    {"TENS", "LBF", "Cable tension", 2000, 9000},
    {"TVD", "M", "True vertical depth", 0, 0},
};
constexpr int kLasCurveCount = sizeof kLasCurves / sizeof kLasCurves[0];
constexpr int kWrappedCurveCount = 16;
constexpr int kLogTableCurveCount = 10;

// GB18030 bytes of the description table's header and of some lithologies.
const char* const kTopName = "\xb6\xa5\xc9\xee";       // top depth
const char* const kBottomName = "\xb5\xd7\xc9\xee";    // bottom depth
const char* const kLithologyName = "\xd1\xd2\xd0\xd4"; // lithology
const char* const kLithologies[] = {
    "\xbb\xd2\xc9\xab\xcf\xb8\xc9\xb0\xd1\xd2",         // grey fine sandstone
    "\xc9\xee\xbb\xd2\xc9\xab\xc4\xe0\xd1\xd2",         // dark grey mudstone
    "\xba\xac\xc0\xf9\xb4\xd6\xc9\xb0\xd1\xd2",         // pebbly coarse sandstone
    "\xbb\xd2\xb0\xd7\xc9\xab\xb7\xdb\xc9\xb0\xd1\xd2", // grey-white siltstone
};

} // namespace

bool BenchFileWriter::KindFromName(const std::string& name, Kind& kind) {
    const struct {
        const char* name;
        Kind kind;
    } names[] = {{"las", Kind::Las},
                 {"las-wrapped", Kind::WrappedLas},
                 {"log-table", Kind::LogTable},
                 {"path-table", Kind::PathTable},
                 {"head-table", Kind::HeadTable},
                 {"core-analysis", Kind::CoreAnalysis},
                 {"core-describe", Kind::CoreDescription}};
    for (const auto& entry : names) {
        if (name == entry.name) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
}

BenchFileWriter::BenchFileWriter(Kind kind, std::uint64_t targetBytes)
    : m_kind(kind), m_targetBytes(targetBytes) {}

std::uint64_t BenchFileWriter::Next() {
    // xorshift64*: the same file for the same arguments.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return m_state * 0x2545F4914F6CDD1Dull;
}

double BenchFileWriter::Depth(std::uint64_t row) const {
    return kTopDepth + kDepthStep * static_cast<double>(row);
}

double BenchFileWriter::LogValue(double low, double high) {
    const std::uint64_t r = Next();
    if (r % kNullEveryCells == 0)
        return kNull;
    return low + (high - low) * static_cast<double>(r >> 11) / 9007199254740992.0;
}

bool BenchFileWriter::Write(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    static char buffer[1 << 20];
    std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
    // The row count of a LAS header's STOP item is estimated from a first row.
    const bool las = m_kind == Kind::Las || m_kind == Kind::WrappedLas;
    const std::uint64_t estimatedRows = m_targetBytes / (las ? 155 : 80);
    if (las)
        WriteLasHeader(file, m_kind == Kind::WrappedLas, estimatedRows);
    else
        WriteTableHeader(file);
    for (std::uint64_t row = 0; static_cast<std::uint64_t>(std::ftell(file)) < m_targetBytes;
         ++row) {
        switch (m_kind) {
        case Kind::Las:
        case Kind::WrappedLas:
            WriteLasRow(file, row, m_kind == Kind::WrappedLas);
            break;
        case Kind::LogTable:
            WriteLogTableRow(file, row);
            break;
        case Kind::PathTable:
            WritePathTableRow(file, row);
            break;
        case Kind::HeadTable:
            WriteHeadTableRow(file, row);
            break;
        case Kind::CoreAnalysis:
            WriteCoreAnalysisRow(file, row);
            break;
        case Kind::CoreDescription:
            WriteCoreDescriptionRow(file, row);
            break;
        }
    }
    return std::fclose(file) == 0;
}

void BenchFileWriter::WriteLasHeader(std::FILE* file, bool wrapped, std::uint64_t rows) {
    std::fprintf(file,
                 "~VERSION INFORMATION\r\n"
                 " VERS.                 2.0 :   LOG ASCII STANDARD - VERSION 2.0\r\n"
                 " WRAP.                 %s :   %s\r\n",
                 wrapped ? "YES" : " NO",
                 wrapped ? "MULTIPLE LINES PER DEPTH STEP" : "ONE LINE PER DEPTH STEP");
    std::fprintf(file,
                 "~WELL INFORMATION\r\n"
                 "#MNEM.UNIT       DATA                 DESCRIPTION\r\n"
                 "#----.----       ----                 -----------\r\n"
                 " STRT.M          %.4f            : START DEPTH\r\n"
                 " STOP.M          %.4f            : STOP DEPTH\r\n"
                 " STEP.M          %.4f               : STEP\r\n"
                 " NULL.           %.2f              : NULL VALUE\r\n"
                 " COMP.           NORTHWIND ENERGY     : COMPANY\r\n"
                 " WELL.           BENCH 7-12           : WELL\r\n"
                 " FLD .           EAST BASIN           : FIELD\r\n"
                 " LOC .           12-34-056-07W5       : LOCATION\r\n"
                 " SRVC.           FIELD LOGGING CO     : SERVICE COMPANY\r\n"
                 " DATE.           2021-06-14           : LOG DATE\r\n"
                 " UWI .           100123405607W500     : UNIQUE WELL ID\r\n",
                 kTopDepth, Depth(rows), kDepthStep, kNull);
    std::fprintf(file, "~CURVE INFORMATION\r\n"
                       "#MNEM.UNIT       API CODE             CURVE DESCRIPTION\r\n");
    const int curves = wrapped ? kWrappedCurveCount : kLasCurveCount;
    for (int i = 0; i < curves; ++i) {
        const CurveInfo& curve = kLasCurves[i % kLasCurveCount];
        char mnemonic[16];
        if (i < kLasCurveCount)
            std::snprintf(mnemonic, sizeof mnemonic, "%s", curve.mnemonic);
        else
            std::snprintf(mnemonic, sizeof mnemonic, "%s%d", curve.mnemonic, i / kLasCurveCount);
        std::fprintf(file, " %-5s.%-5s     %02d 000 00 00       : %d  %s\r\n", mnemonic, curve.unit,
                     i, i + 1, curve.description);
    }
    std::fprintf(file, "~PARAMETER INFORMATION\r\n"
                       " BHT .DEGC         87.5000            : BOTTOM HOLE TEMPERATURE\r\n"
                       " BS  .MM          215.9000            : BIT SIZE\r\n"
                       " RMF .OHMM          0.2160            : MUD FILTRATE RESISTIVITY\r\n"
                       "~OTHER INFORMATION\r\n"
                       " Synthetic log written for load benchmarks.\r\n"
                       "~A  DEPTH        GR         SP       CALI         RT\r\n");
}

void BenchFileWriter::WriteLasRow(std::FILE* file, std::uint64_t row, bool wrapped) {
    const int curves = wrapped ? kWrappedCurveCount : kLasCurveCount;
    const double depth = Depth(row);
    std::fprintf(file, wrapped ? "%.4f\r\n" : "%10.4f", depth);
    for (int i = 1; i < curves; ++i) {
        const CurveInfo& curve = kLasCurves[i % kLasCurveCount];
        double value = 0;
        if (i % kLasCurveCount == 0)
            value = depth;
        else if (curve.high > curve.low)
            value = LogValue(curve.low, curve.high);
        else
            value = depth * 0.98; // TVD
        std::fprintf(file, " %10.4f", value);
        const bool lineFull = wrapped && (i % kValuesPerWrappedLine == 0 || i + 1 == curves);
        if (lineFull)
            std::fputs("\r\n", file);
    }
    if (!wrapped)
        std::fputs("\r\n", file);
}

void BenchFileWriter::WriteTableHeader(std::FILE* file) {
    switch (m_kind) {
    case Kind::LogTable:
        std::fputs("DEPTH", file);
        for (int i = 1; i < kLogTableCurveCount; ++i)
            std::fprintf(file, "\t%s", kLasCurves[i].mnemonic);
        std::fputs("\r\nm", file);
        for (int i = 1; i < kLogTableCurveCount; ++i)
            std::fprintf(file, "\t%s", kLasCurves[i].unit);
        std::fputs("\r\n", file);
        break;
    case Kind::PathTable:
        std::fputs("MD INCL AZIM TVD DX DY X Y\r\nm deg deg m m m m m\r\n", file);
        break;
    case Kind::HeadTable:
        std::fputs("WELL,X,Y,KB,TOP,BOTTOM,TYPE\r\n", file);
        break;
    case Kind::CoreAnalysis:
        std::fputs("DEPTH            POR           PERM            SW             VCAL\r\n", file);
        break;
    case Kind::CoreDescription:
        std::fprintf(file, "%s      %s      %s\r\n", kTopName, kBottomName, kLithologyName);
        break;
    default:
        break;
    }
}

void BenchFileWriter::WriteLogTableRow(std::FILE* file, std::uint64_t row) {
    std::fprintf(file, "%.3f", Depth(row));
    for (int i = 1; i < kLogTableCurveCount; ++i)
        std::fprintf(file, "\t%.4f", LogValue(kLasCurves[i].low, kLasCurves[i].high));
    std::fputs("\r\n", file);
}

void BenchFileWriter::WritePathTableRow(std::FILE* file, std::uint64_t row) {
    const double md = Depth(row);
    const double incl = static_cast<double>(Next() % 9000) / 100.0;
    const double azim = static_cast<double>(Next() % 36000) / 100.0;
    const double tvd = md * 0.97;
    const double dx = md * 0.11;
    const double dy = -md * 0.07;
    std::fprintf(file, "%.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f\r\n", md, incl, azim, tvd, dx, dy,
                 612345.0 + dx, 4312345.0 + dy);
}

void BenchFileWriter::WriteHeadTableRow(std::FILE* file, std::uint64_t row) {
    static const char* const kTypes[] = {"OIL", "GAS", "WATER", "DRY"};
    const double x = 600000.0 + static_cast<double>(Next() % 10000000) / 100.0;
    const double y = 4300000.0 + static_cast<double>(Next() % 10000000) / 100.0;
    const double kb = 20.0 + static_cast<double>(Next() % 8000) / 100.0;
    const double bottom = 1500.0 + static_cast<double>(Next() % 300000) / 100.0;
    std::fprintf(file, "W-%07llu,%.2f,%.2f,%.2f,%.2f,%.2f,%s\r\n",
                 static_cast<unsigned long long>(row + 1), x, y, kb, 0.0, bottom,
                 kTypes[Next() % 4]);
}

void BenchFileWriter::WriteCoreAnalysisRow(std::FILE* file, std::uint64_t row) {
    std::fprintf(file, "%-17.2f%-14.1f%-16.3f%-15.1f%.1f\r\n", Depth(row), LogValue(2, 25),
                 LogValue(0.01, 900), LogValue(20, 95), LogValue(0.5, 12));
}

void BenchFileWriter::WriteCoreDescriptionRow(std::FILE* file, std::uint64_t row) {
    const double top = Depth(row);
    // A space after each padded depth: below 1,000,000 m the bytes are those of a
    // 10-wide column, and the deeper rows of a 1 GB file still split into cells.
    std::fprintf(file, "%-9.2f %-9.2f %s\r\n", top, top + kDepthStep,
                 kLithologies[Next() % (sizeof kLithologies / sizeof kLithologies[0])]);
}
