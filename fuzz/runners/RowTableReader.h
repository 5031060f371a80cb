// The reader as it was before loads took their rows as they were parsed: every
// line of the file decoded to wide text and kept, then parsed into a table of
// wide strings that the loads read afterwards. Kept as the reference that the
// streaming reader is checked against, record for record, message for message
// and progress step for progress step (fuzz/runners/RoadComparison.h).
#pragma once

#include "reader/CLasSectionTable.h"
#include "reader/LineMap.h"
#include "reader/LoadReportRecorder.h"
#include "reader/ParseOutcome.h"
#include "reader/RowTable.h"
#include "welldata/Common.h"
#include "welldata/LoadFailure.h"
#include "welldata/MessageBox.h"

#include <boost/function.hpp>
#include <memory>
#include <string>
#include <vector>

class CProgressCtrl;

namespace welldata::reference {

class RowTableReader {
public:
    using ValueCallback = boost::function<void(double&)>;

    RowTableReader();

    bool Read(int mode);
    void Clear();
    void EnsureSections();
    void SetFilePath(const std::wstring& path) { m_strFilePath = path; }

    int GetRowCount() const;
    int GetColumnCount() const;
    Row GetRow(int index) const;
    std::vector<std::vector<float>> GetColumns(const std::vector<int>& columns,
                                               const ValueCallback& callback) const;
    bool IsNumericCell(int column) const;
    bool IsNumericColumn(int column) const;
    std::wstring TakePreviewText();

    const RowTable& GetRows() const { return m_rows; }
    const CLasSectionTable* GetLasSections() const { return m_pLasSections.get(); }
    // The file line of table row `row`.
    std::size_t RowLine(std::size_t row) const { return m_rowLines.Line(row); }

    void SetProgressCtrl(CProgressCtrl* progress) { m_pProgress = progress; }
    CProgressCtrl* GetProgressCtrl() const { return m_pProgress; }
    void SetDataFormat(COMMON::WELL_LOG_DATA_FORMAT format) { m_eDataFormat = format; }
    bool IsLas() const { return m_eDataFormat == COMMON::WLDF_LAS; }
    void SetBatchLoad(bool batch) { m_bBatchLoad = batch; }
    void SetHeaderSearch(bool search) { m_bHeaderSearch = search; }
    void SetHeaderRow(bool hasHeaderRow) { m_bHeaderRow = hasHeaderRow; }
    bool HasHeaderRow() const { return m_bHeaderRow; }

    const welldata::LoadReport& GetReport() const { return m_report.Report(); }
    void NoteTextCell(std::size_t row, std::size_t column) const;
    const welldata::LoadFailure& GetFailure() const { return m_failure; }
    bool Fail(welldata::LoadError error, const std::wstring& message,
              welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow,
              bool batchSilent = true);

private:
    CProgressCtrl* GetReadProgress() const;
    bool ReadRawLines();
    bool ParseTextTable();
    bool ParseLasLines();
    size_t FindHeaderLine(bool& found) const;
    int FirstDataRow() const { return m_bHeaderRow ? 1 : 0; }

    std::wstring m_strFilePath;
    RowTable m_rows;
    std::vector<std::wstring> m_rawLines;
    LineMap m_rawLineMap;
    LineMap m_rowLines;
    mutable LoadReportRecorder m_report;
    int m_nReadMode = 0;
    CProgressCtrl* m_pProgress = nullptr;
    std::unique_ptr<CLasSectionTable> m_pLasSections;
    bool m_bHeaderSearch = false;
    bool m_bHeaderRow = true;
    std::vector<std::wstring> m_lasPreviewLines;
    COMMON::WELL_LOG_DATA_FORMAT m_eDataFormat = COMMON::WLDF_TEXT;
    bool m_bBatchLoad = false;
    welldata::LoadFailure m_failure;
};

// The old LAS parse of all raw lines at once, rows appended to `rows` and
// each row's file line to `rowLines`.
ParseOutcome ParseLasTable(std::vector<std::wstring>& rawLines, CLasSectionTable& sections,
                           RowTable& rows, CProgressCtrl* progress, const LineMap& lineMap,
                           LineMap& rowLines, LoadReportRecorder& report);

} // namespace welldata::reference
