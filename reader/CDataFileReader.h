// Turns one data file (a delimited text table or a LAS 2.0 file) into a row
// table. One reader belongs to each load object and is reused for every file.
#pragma once

#include "reader/CLasPreviewTracker.h"
#include "reader/CLasSectionTable.h"
#include "reader/LineMap.h"
#include "reader/LoadReportRecorder.h"
#include "reader/RowTable.h"
#include "welldata/Common.h"
#include "welldata/LoadFailure.h"
#include "welldata/MessageBox.h"

#include <boost/function.hpp>
#include <memory>
#include <string>
#include <vector>

class CProgressCtrl;

class CDataFileReader {
public:
    // Read modes with a special meaning; any other value reads the whole file
    // without progress display.
    static constexpr int kReadAll = 0;
    static constexpr int kReadFirstLine = 1;
    static constexpr int kReadPreview = 15;
    static constexpr int kReadLasPreview = -1;

    using ValueCallback = boost::function<void(double&)>;

    CDataFileReader();
    CDataFileReader(const CDataFileReader& other);
    CDataFileReader& operator=(const CDataFileReader& other);
    ~CDataFileReader();

    // Reads and parses the file in `mode`; false when the path is empty, the file
    // cannot be opened or the parse fails (GetFailure then says why).
    bool Read(int mode);
    // Drops the rows and the LAS section table.
    void Clear();
    // Creates an empty LAS section table when there is none.
    void EnsureSections();

    // Replaces the path when it names another file, as the file system compares
    // names.
    void SetFilePath(const std::wstring& path);
    const std::wstring& GetFilePath() const { return m_strFilePath; }

    // Rows, less the header row when there is one.
    int GetRowCount() const;
    // Cells of row 0.
    int GetColumnCount() const;
    // Copy of row `index`; empty when there is no such row.
    Row GetRow(int index) const;
    Row GetFirstRow() const { return GetRow(0); }

    // One value per data row of column `column` (0-based).
    std::vector<float> GetColumn(int column) const;
    // The same, each value passed through `callback` before it is stored.
    std::vector<float> GetColumn(int column, const ValueCallback& callback) const;
    // GetColumn for each of `columns`, in one pass over the rows: each row is
    // visited once rather than once per column.
    std::vector<std::vector<float>> GetColumns(const std::vector<int>& columns,
                                               const ValueCallback& callback) const;
    bool IsNumericCell(int column) const;
    bool IsNumericColumn(int column) const;

    // The LAS preview lines joined, each followed by CR LF; empties them.
    std::wstring TakePreviewText();

    RowTable& GetRows() { return m_rows; }
    const RowTable& GetRows() const { return m_rows; }
    // The raw lines of the read in progress; empty between operations.
    std::vector<std::wstring>& GetRawLines() { return m_rawLines; }
    CLasSectionTable* GetLasSections() { return m_pLasSections.get(); }
    const CLasSectionTable* GetLasSections() const { return m_pLasSections.get(); }

    void SetProgressCtrl(CProgressCtrl* progress) { m_pProgress = progress; }
    CProgressCtrl* GetProgressCtrl() const { return m_pProgress; }
    void SetDataFormat(COMMON::WELL_LOG_DATA_FORMAT format) { m_eDataFormat = format; }
    COMMON::WELL_LOG_DATA_FORMAT GetDataFormat() const { return m_eDataFormat; }
    bool IsLas() const { return m_eDataFormat == COMMON::WLDF_LAS; }
    void SetBatchLoad(bool batch) { m_bBatchLoad = batch; }
    bool IsBatchLoad() const { return m_bBatchLoad; }
    void SetHeaderSearch(bool search) { m_bHeaderSearch = search; }
    bool IsHeaderSearch() const { return m_bHeaderSearch; }
    void SetHeaderRow(bool hasHeaderRow) { m_bHeaderRow = hasHeaderRow; }
    bool HasHeaderRow() const { return m_bHeaderRow; }
    int GetReadMode() const { return m_nReadMode; }

    // Progress bar to drive during a read: the host's bar in mode 0, else none.
    CProgressCtrl* GetReadProgress() const;

    // What the last read did to the file's text, with the cells the loaders
    // read as 0 since; kept by Clear, started afresh by the next read.
    const welldata::LoadReport& GetReport() const { return m_report.Report(); }
    // A loader read the cell of row `row` in `column` as 0: it is not a number.
    void NoteTextCell(int row, size_t column) const;

    // Why the last read failed, or the load that read it: set by the read and by
    // a loader that stops on the rows; cleared by the next read.
    const welldata::LoadFailure& GetFailure() const { return m_failure; }
    // Records a failure and shows its message, unless the message is empty or
    // the file is loaded in a batch. Returns false, for the caller's result.
    bool Fail(welldata::LoadError error, const std::wstring& message,
              welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow,
              bool batchSilent = true);

private:
    bool ReadRawLines();
    bool ParseRawLines();
    bool ParseTextTable();
    bool ParseLasLines();
    size_t FindHeaderLine(bool& found) const;
    int FirstDataRow() const { return m_bHeaderRow ? 1 : 0; }

    std::wstring m_strFilePath;
    RowTable m_rows;
    std::vector<std::wstring> m_rawLines;
    LineMap m_rawLineMap; // the file line of each raw line, during a read
    // The report grows while the loaders take columns out of the rows.
    mutable LoadReportRecorder m_report;
    int m_nReadMode = kReadAll;
    CProgressCtrl* m_pProgress = nullptr;
    std::unique_ptr<CLasSectionTable> m_pLasSections;
    bool m_bHeaderSearch = false;
    bool m_bHeaderRow = true;
    std::vector<std::wstring> m_lasPreviewLines;
    COMMON::WELL_LOG_DATA_FORMAT m_eDataFormat = COMMON::WLDF_TEXT;
    bool m_bBatchLoad = false;
    welldata::LoadFailure m_failure;
};
