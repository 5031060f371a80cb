// Writes large, realistic well data files for the benchmarks: LAS 2.0 files
// (one line per depth step or wrapped), well log, well path, well head, rock
// core analysis and rock core description text tables. Values have fixed
// decimals, some are nulls, lines end in CR LF; the rock core descriptions are
// Chinese lithology names in GB18030, the library's default code page.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class BenchFileWriter {
public:
    enum class Kind {
        Las,
        WrappedLas,
        LogTable,
        PathTable,
        HeadTable,
        CoreAnalysis,
        CoreDescription
    };

    // Parses "las", "las-wrapped", "log-table", "path-table", "head-table",
    // "core-analysis", "core-describe".
    static bool KindFromName(const std::string& name, Kind& kind);

    BenchFileWriter(Kind kind, std::uint64_t targetBytes);

    // Writes about the target size (never more than one row beyond it).
    bool Write(const std::string& path);

private:
    void WriteLasHeader(std::FILE* file, bool wrapped, std::uint64_t rows);
    void WriteLasRow(std::FILE* file, std::uint64_t row, bool wrapped);
    void WriteLogTableRow(std::FILE* file, std::uint64_t row);
    void WritePathTableRow(std::FILE* file, std::uint64_t row);
    void WriteHeadTableRow(std::FILE* file, std::uint64_t row);
    void WriteCoreAnalysisRow(std::FILE* file, std::uint64_t row);
    void WriteCoreDescriptionRow(std::FILE* file, std::uint64_t row);
    void WriteTableHeader(std::FILE* file);
    double Depth(std::uint64_t row) const;
    // A log value in [low, high), or the null value now and then.
    double LogValue(double low, double high);
    std::uint64_t Next();

    Kind m_kind;
    std::uint64_t m_targetBytes;
    std::uint64_t m_state = 0x9E3779B97F4A7C15ull;
};
