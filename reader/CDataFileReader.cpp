#include "reader/CDataFileReader.h"

#include "platform/FilePath.h"
#include "platform/StepProgress.h"
#include "platform/TextModeFile.h"
#include "platform/Translation.h"
#include "reader/ColumnCollector.h"
#include "reader/LasParser.h"
#include "reader/RawLineSplitter.h"
#include "reader/ReadProgress.h"
#include "reader/StrictNumber.h"
#include "reader/TextTableParser.h"
#include "welldata/CProgressCtrl.h"
#include "welldata/CodePage.h"
#include "welldata/MessageBox.h"

#include <cstring>

namespace {

using welldata::LoadError;

constexpr size_t kChunkSize = 2048;
constexpr int kProgressRange = 200;
const welldata::CatalogueText kOpenFailedMessage =
    WELLDATA_CATALOGUE_TEXT("CDataFileReader", "打开文件失败。");

// The parse of a data format the reader does not know: it fails once the file
// is read.
class UnknownFormat : public LineSink {
public:
    void TakeLine(const SourceLine&) override {}
    ParseOutcome Finish() const {
        ParseOutcome outcome;
        outcome.Fail(LoadError::NoData);
        return outcome;
    }
};

} // namespace

// One read: the file's chunks split into lines, the lines parsed into rows,
// each row kept or handed on as it comes.
class CDataFileReader::ReadSession : public RowConsumer {
public:
    ReadSession(CDataFileReader& reader, RowConsumer* consumer)
        : m_reader(reader), m_consumer(consumer),
          m_keep(consumer == nullptr || reader.m_bKeepStreamedRows) {}

    // Reads the whole file (or its preview) into the parse of its format.
    template <class Parser> ParseOutcome Run(welldata::TextModeFile& file, Parser& parser) {
        ReadProgress progress(m_reader.GetReadProgress(), file.Length());
        RawLineSplitter splitter(m_reader.m_nReadMode, m_reader.IsLas(), !m_reader.m_bBatchLoad,
                                 m_reader.m_lasPreviewLines, file.TextCodePage(), parser);
        char chunk[kChunkSize];
        for (bool reading = true; reading;) {
            const size_t got = file.Read(chunk, kChunkSize);
            if (got == 0) {
                splitter.Finish();
                break;
            }
            progress.Reach(file.Progress());
            const std::string_view bytes(chunk, got);
            m_reader.m_report.NoteBytes(bytes);
            // The chunk is handled as a NUL-terminated string: a NUL byte ends its
            // usable part.
            const size_t usable = bytes.find('\0');
            reading = splitter.AddChunk(bytes.substr(0, usable));
        }
        return parser.Finish();
    }

    void TakeLasHeader(const CLasSectionTable& sections) override {
        if (m_consumer != nullptr)
            m_consumer->TakeLasHeader(sections);
    }

    void TakeRow(const ReadRow& row) override {
        if (row.index == 0)
            m_reader.m_firstRowWidth = row.cells.size();
        m_reader.m_rowCount = row.index + 1;
        if (m_keep)
            m_reader.m_rows.Add(row.cells, row.line);
        if (m_consumer != nullptr)
            m_consumer->TakeRow(row);
    }

private:
    CDataFileReader& m_reader;
    RowConsumer* m_consumer;
    bool m_keep;
};

CDataFileReader::CDataFileReader() : m_pLasSections(std::make_unique<CLasSectionTable>()) {}

CDataFileReader::CDataFileReader(const CDataFileReader& other) : CDataFileReader() {
    *this = other;
}

CDataFileReader& CDataFileReader::operator=(const CDataFileReader& other) {
    if (this == &other)
        return *this;
    m_strFilePath = other.m_strFilePath;
    m_rows = other.m_rows;
    m_rowCount = other.m_rowCount;
    m_firstRowWidth = other.m_firstRowWidth;
    m_bKeepStreamedRows = other.m_bKeepStreamedRows;
    m_readSerial = other.m_readSerial;
    m_wideRows = other.m_wideRows;
    m_bWideRowsBuilt = other.m_bWideRowsBuilt;
    m_report = other.m_report;
    m_nReadMode = other.m_nReadMode;
    m_pProgress = other.m_pProgress;
    m_pLasSections =
        other.m_pLasSections ? std::make_unique<CLasSectionTable>(*other.m_pLasSections) : nullptr;
    m_bHeaderSearch = other.m_bHeaderSearch;
    m_bHeaderRow = other.m_bHeaderRow;
    m_lasPreviewLines = other.m_lasPreviewLines;
    m_eDataFormat = other.m_eDataFormat;
    m_bBatchLoad = other.m_bBatchLoad;
    m_failure = other.m_failure;
    return *this;
}

CDataFileReader::~CDataFileReader() = default;

void CDataFileReader::SetFilePath(const std::wstring& path) {
    if (!welldata::IsSameFilePath(path, m_strFilePath))
        m_strFilePath = path;
}

bool CDataFileReader::Fail(LoadError error, const std::wstring& message,
                           welldata::MessageOwner owner, bool batchSilent) {
    m_failure = {error, message};
    if (!message.empty() && !(batchSilent && m_bBatchLoad)) {
        if (owner == welldata::MessageOwner::ApplicationBox)
            welldata::ShowApplicationMessage(message);
        else
            welldata::ShowInformation(message, owner);
    }
    return false;
}

bool CDataFileReader::Read(int mode) {
    return ReadRows(mode, nullptr);
}

bool CDataFileReader::Read(int mode, RowConsumer& consumer) {
    return ReadRows(mode, &consumer);
}

bool CDataFileReader::ReadRows(int mode, RowConsumer* consumer) {
    m_failure = {};
    m_report.Start();
    if (m_strFilePath.empty())
        return Fail(LoadError::NoFile, L"");
    m_nReadMode = mode;
    if (m_rowCount > 0)
        Clear();
    ++m_readSerial;
    if (consumer != nullptr)
        consumer->BeginRead(m_readSerial);

    welldata::TextModeFile file;
    if (!file.Open(m_strFilePath, welldata::GetDataCodePage()))
        return Fail(LoadError::CannotOpen, welldata::Translate(kOpenFailedMessage),
                    welldata::MessageOwner::ApplicationBox, false);
    if (m_pProgress != nullptr && m_pProgress->HasWindow()) {
        m_pProgress->SetRange(0, kProgressRange);
        m_pProgress->SetStep(1);
        m_pProgress->SetPos(0);
    }
    m_rows.Clear();
    m_rowCount = m_firstRowWidth = 0;
    DropWideRows();

    ReadSession session(*this, consumer);
    ParseOutcome outcome;
    if (m_eDataFormat == COMMON::WLDF_TEXT) {
        TextTableParser parser(m_bHeaderSearch, session, m_report);
        outcome = session.Run(file, parser);
    } else if (m_eDataFormat == COMMON::WLDF_LAS) {
        LasParser parser(m_pLasSections.get(), session, m_report);
        outcome = session.Run(file, parser);
    } else {
        UnknownFormat parser;
        outcome = session.Run(file, parser);
    }
    if (outcome.stepped)
        StepProgress(GetReadProgress(), outcome.items, true).AdvanceThrough(0, outcome.through);
    return outcome.Ok() || Fail(outcome.error, outcome.message, outcome.owner, outcome.batchSilent);
}

void CDataFileReader::Clear() {
    m_pLasSections.reset();
    m_rows.Clear();
    m_rowCount = m_firstRowWidth = 0;
    DropWideRows();
}

void CDataFileReader::DropWideRows() {
    RowTable().swap(m_wideRows);
    m_bWideRowsBuilt = false;
}

void CDataFileReader::EnsureSections() {
    if (!m_pLasSections)
        m_pLasSections = std::make_unique<CLasSectionTable>();
}

CProgressCtrl* CDataFileReader::GetReadProgress() const {
    if (m_nReadMode != kReadAll || m_pProgress == nullptr || !m_pProgress->HasWindow())
        return nullptr;
    return m_pProgress;
}

int CDataFileReader::GetRowCount() const {
    const int rows = static_cast<int>(m_rowCount);
    return (m_bHeaderRow && rows > 0) ? rows - 1 : rows;
}

int CDataFileReader::GetColumnCount() const {
    return m_rowCount == 0 ? 0 : static_cast<int>(m_firstRowWidth);
}

RowView CDataFileReader::GetKeptRow(int index, std::vector<std::string_view>& views) const {
    views.clear();
    if (index < 0)
        return views;
    return m_rows.Get(static_cast<size_t>(index), views);
}

std::size_t CDataFileReader::GetKeptRowLine(int index) const {
    return index < 0 ? 0 : m_rows.Line(static_cast<size_t>(index));
}

Row CDataFileReader::GetRow(int index) const {
    std::vector<std::string_view> views;
    return welldata::ToWideRow(GetKeptRow(index, views));
}

void CDataFileReader::PassKeptRows(RowConsumer& consumer) const {
    std::vector<std::string_view> views;
    for (size_t index = 0; index < m_rows.Size(); ++index)
        consumer.TakeRow({index, m_rows.Line(index), m_rows.Get(index, views)});
}

const RowTable& CDataFileReader::GetRows() const {
    if (!m_bWideRowsBuilt) {
        m_wideRows.clear();
        std::vector<std::string_view> views;
        for (size_t index = 0; index < m_rows.Size(); ++index)
            m_wideRows.push_back(welldata::ToWideRow(m_rows.Get(index, views)));
        m_bWideRowsBuilt = true;
    }
    return m_wideRows;
}

RowTable& CDataFileReader::GetRows() {
    static_cast<const CDataFileReader&>(*this).GetRows();
    return m_wideRows;
}

std::vector<float> CDataFileReader::GetColumn(int column) const {
    return GetColumn(column, ValueCallback());
}

std::vector<float> CDataFileReader::GetColumn(int column, const ValueCallback& callback) const {
    return std::move(GetColumns({column}, callback).front());
}

std::vector<std::vector<float>> CDataFileReader::GetColumns(const std::vector<int>& columns,
                                                            const ValueCallback& callback) const {
    ColumnCollector collector(*this);
    collector.Collect(columns, callback);
    PassKeptRows(collector);
    return collector.TakeValues();
}

void CDataFileReader::NoteTextCell(std::size_t row, std::size_t column, std::size_t line) const {
    m_report.NoteTextCell(row, column, line);
}

bool CDataFileReader::IsNumericCell(int column) const {
    const size_t firstData = IsLas() ? 0 : 1;
    if (column < 0 || m_rows.Size() <= firstData)
        return false;
    std::vector<std::string_view> views;
    const RowView row = m_rows.Get(firstData, views);
    double value = 0.0;
    return static_cast<size_t>(column) < row.size() &&
           welldata::ParseStrictCell(row[static_cast<size_t>(column)], value);
}

bool CDataFileReader::IsNumericColumn(int column) const {
    if (m_rows.Size() < 2)
        return false;
    if (column < 0)
        return false;
    const size_t index = static_cast<size_t>(column);
    std::vector<std::string_view> views;
    const RowView first = m_rows.Get(0, views);
    if (first.empty() || index >= first.size())
        return true;
    for (size_t i = 2; i < m_rows.Size(); ++i) {
        const RowView row = m_rows.Get(i, views);
        double value = 0.0;
        if (index >= row.size() || !welldata::ParseStrictCell(row[index], value))
            return false;
    }
    return true;
}

std::wstring CDataFileReader::TakePreviewText() {
    std::wstring text;
    for (const std::wstring& line : m_lasPreviewLines) {
        text += line;
        text += L"\r\n";
    }
    m_lasPreviewLines.clear();
    return text;
}
