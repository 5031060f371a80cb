// Parses the raw lines of a LAS 2.0 file held by a reader into its section table
// and row table, with the checks and messages of a LAS load.
#pragma once

#include "reader/WrappedRowJoiner.h"
#include "welldata/MessageBox.h"

#include <optional>
#include <string>

class CDataFileReader;
class CLasSectionTable;
struct CLasSection;

class CLasParser {
public:
    explicit CLasParser(CDataFileReader& reader) : m_reader(reader) {}

    // True when the header parsed and every row holds one value per curve.
    bool Parse();

private:
    // Sections and rows from the raw lines, releasing each line once parsed;
    // false when an item line comes before any section.
    bool ParseLines();
    void StartSection(const std::wstring& line, size_t tilde);
    bool AddHeaderItem(const std::wstring& line);
    void AddDataRow(const std::wstring& line);

    // At the "~A" line: a wrapped file with curves has its lines joined as they
    // come (no section can follow "~A", so the header is complete here).
    void StartData();
    // Joins wrapped rows and checks that every row holds one value per curve.
    bool CheckData();
    bool JoinWrappedRows(size_t curveCount);
    bool IsWrapped(const CLasSection& version) const;
    std::wstring BadDepthReport(size_t curveCount) const;

    // Shows `text` unless the file is loaded in a batch.
    void Report(const std::wstring& text,
                welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow) const;

    CDataFileReader& m_reader;
    CLasSectionTable* m_pSections = nullptr;
    CLasSection* m_pCurrentSection = nullptr;
    bool m_bInData = false;
    std::optional<WrappedRowJoiner> m_joiner;
};
