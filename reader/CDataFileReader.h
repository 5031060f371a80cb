// Turns one data file (a delimited text table or a LAS 2.0 file) into rows.
// One reader belongs to each load object and is reused for every file.
//
// A read hands its rows, as it parses them, to a consumer (a loader taking
// what it needs from each row), or keeps them (previews, the well head table,
// a plain Read) in a compact store; GetRows gives the kept rows as the familiar
// table of wide strings when asked. Either way a read keeps the table's shape
// (rows, width of row 0), the LAS header, the load report and the failure.
#pragma once

#include "reader/CLasSectionTable.h"
#include "reader/LoadReportRecorder.h"
#include "reader/RowConsumer.h"
#include "reader/RowStore.h"
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

    // Reads and parses the file in `mode`, keeping the rows; false when the
    // path is empty, the file cannot be opened or the parse fails (GetFailure
    // then says why).
    bool Read(int mode);
    // The same, handing each row to `consumer` as it is parsed instead of
    // keeping it (unless SetKeepStreamedRows asks for both). Messages and the
    // parse's progress come once the whole file is read, as they would after
    // a read that kept its rows.
    bool Read(int mode, RowConsumer& consumer);
    // Drops the rows and the LAS section table.
    void Clear();
    // Creates an empty LAS section table when there is none.
    void EnsureSections();

    // Replaces the path when it names another file, as the file system compares
    // names.
    void SetFilePath(const std::wstring& path);
    const std::wstring& GetFilePath() const { return m_strFilePath; }

    // Rows of the last read, less the header row when there is one.
    int GetRowCount() const;
    // Cells of row 0.
    int GetColumnCount() const;
    // Copy of kept row `index`; empty when there is no such row.
    Row GetRow(int index) const;
    Row GetFirstRow() const { return GetRow(0); }
    // Kept row `index` in place (see RowStore::Get); empty when not kept.
    RowView GetKeptRow(int index, std::vector<std::string_view>& views) const;
    // The file line kept row `index` came from.
    std::size_t GetKeptRowLine(int index) const;
    // Hands every kept row to `consumer`, in order.
    void PassKeptRows(RowConsumer& consumer) const;

    // One value per data row of column `column` (0-based) of the kept rows.
    std::vector<float> GetColumn(int column) const;
    // The same, each value passed through `callback` before it is stored.
    std::vector<float> GetColumn(int column, const ValueCallback& callback) const;
    // GetColumn for each of `columns`, in one pass over the rows.
    std::vector<std::vector<float>> GetColumns(const std::vector<int>& columns,
                                               const ValueCallback& callback) const;
    bool IsNumericCell(int column) const;
    bool IsNumericColumn(int column) const;

    // The LAS preview lines joined, each followed by CR LF; empties them.
    std::wstring TakePreviewText();

    // The kept rows as wide strings, built when first asked for after a read;
    // changes to the table stay in it until the next read or Clear.
    RowTable& GetRows();
    const RowTable& GetRows() const;
    CLasSectionTable* GetLasSections() { return m_pLasSections.get(); }
    const CLasSectionTable* GetLasSections() const { return m_pLasSections.get(); }
    // Tells each read from the others: a consumer learns it in BeginRead.
    std::size_t GetReadSerial() const { return m_readSerial; }
    // Whether reads into a consumer keep their rows too (for a host that looks
    // at the rows while a load is under way).
    void SetKeepStreamedRows(bool keep) { m_bKeepStreamedRows = keep; }

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
    // A loader read the cell of table row `row` (from file line `line`) in
    // `column` as 0: it is not a number.
    void NoteTextCell(std::size_t row, std::size_t column, std::size_t line) const;
    // The cells read as 0 that a consumer held during the read (see
    // LoadReportRecorder::MergeTextCells).
    void MergeTextCells(const LoadReportRecorder& taken, std::size_t firstRow) const {
        m_report.MergeTextCells(taken, firstRow);
    }

    // Why the last read failed, or the load that read it: set by the read and by
    // a loader that stops on the rows; cleared by the next read.
    const welldata::LoadFailure& GetFailure() const { return m_failure; }
    // Records a failure and shows its message, unless the message is empty or
    // the file is loaded in a batch. Returns false, for the caller's result.
    bool Fail(welldata::LoadError error, const std::wstring& message,
              welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow,
              bool batchSilent = true);

private:
    class ReadSession;
    friend class ReadSession;

    bool ReadRows(int mode, RowConsumer* consumer);
    void DropWideRows();

    std::wstring m_strFilePath;
    // The rows kept, and the shape of the last read's table.
    RowStore m_rows;
    std::size_t m_rowCount = 0;
    std::size_t m_firstRowWidth = 0;
    bool m_bKeepStreamedRows = false;
    std::size_t m_readSerial = 0;
    // GetRows's table, built from m_rows when asked for.
    mutable RowTable m_wideRows;
    mutable bool m_bWideRowsBuilt = false;
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
