#include "reader/CDataFileReader.h"

#include "platform/FilePath.h"
#include "platform/StepProgress.h"
#include "platform/TextModeFile.h"
#include "platform/Translation.h"
#include "platform/WideText.h"
#include "reader/CellSplitter.h"
#include "reader/LasParser.h"
#include "reader/RawLineSplitter.h"
#include "reader/StrictNumber.h"
#include "welldata/CProgressCtrl.h"
#include "welldata/CodePage.h"
#include "welldata/MessageBox.h"

#include <algorithm>
#include <cstring>

namespace {

using welldata::LoadError;

constexpr size_t kChunkSize = 2048;
constexpr int kProgressRange = 200;
constexpr int kReadProgressSteps = 20;
const wchar_t* const kPaddingCell = L"-9999.0";
const welldata::CatalogueText kOpenFailedMessage =
    WELLDATA_CATALOGUE_TEXT("CDataFileReader", "打开文件失败。");
const welldata::CatalogueText kNoDepthHeaderMessage = WELLDATA_CATALOGUE_TEXT(
    "CDataFileReader", "加载井曲线数据时，指定了非法的数据文件，请确认之后重试。");

// Converts one cell for a column: a missing cell counts as the padding value,
// text that is not a number as 0 (and false).
bool CellValue(const Row& row, size_t column, double& value) {
    value = 0.0;
    if (column >= row.size())
        return welldata::ParseStrictDouble(kPaddingCell, value);
    return welldata::ParseStrictDouble(row[column], value);
}

// Steps the bar once per bytes-per-step of the file read, keeping the remainder.
class ReadProgress {
public:
    ReadProgress(CProgressCtrl* progress, long long fileSize)
        : m_progress(progress), m_bytesPerStep(fileSize / kReadProgressSteps) {}

    // Reading has come `position` bytes into the file.
    void Reach(long long position) {
        if (m_progress == nullptr || m_bytesPerStep <= 0)
            return;
        m_pending += position - m_position;
        m_position = position;
        for (long long steps = m_pending / m_bytesPerStep; steps > 0; --steps)
            m_progress->StepIt();
        m_pending %= m_bytesPerStep;
    }

private:
    CProgressCtrl* m_progress;
    long long m_bytesPerStep;
    long long m_position = 0;
    long long m_pending = 0;
};

} // namespace

CDataFileReader::CDataFileReader() : m_pLasSections(std::make_unique<CLasSectionTable>()) {}

CDataFileReader::CDataFileReader(const CDataFileReader& other) : CDataFileReader() {
    *this = other;
}

CDataFileReader& CDataFileReader::operator=(const CDataFileReader& other) {
    if (this == &other)
        return *this;
    m_strFilePath = other.m_strFilePath;
    m_rows = other.m_rows;
    m_rawLines.clear();
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
    m_failure = {};
    m_report.Start();
    if (m_strFilePath.empty())
        return Fail(LoadError::NoFile, L"");
    m_nReadMode = mode;
    if (!m_rows.empty())
        Clear();
    if (!ReadRawLines())
        return false;
    const bool parsed = ParseRawLines();
    m_rawLines.clear();
    m_rawLines.shrink_to_fit();
    m_rawLineMap.Clear();
    return parsed;
}

void CDataFileReader::Clear() {
    m_pLasSections.reset();
    m_rows.clear();
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

bool CDataFileReader::ReadRawLines() {
    welldata::TextModeFile file;
    if (!file.Open(m_strFilePath, welldata::GetDataCodePage()))
        return Fail(LoadError::CannotOpen, welldata::Translate(kOpenFailedMessage),
                    welldata::MessageOwner::ApplicationBox, false);
    if (m_pProgress != nullptr && m_pProgress->HasWindow()) {
        m_pProgress->SetRange(0, kProgressRange);
        m_pProgress->SetStep(1);
        m_pProgress->SetPos(0);
    }
    ReadProgress progress(GetReadProgress(), file.Length());
    m_rows.clear();
    m_rawLines.clear();
    m_rawLineMap.Clear();

    RawLineSplitter splitter(m_nReadMode, IsLas(), !m_bBatchLoad, m_rawLines, m_lasPreviewLines,
                             m_rawLineMap, file.TextCodePage());
    char chunk[kChunkSize + 1];
    bool reading = true;
    while (reading) {
        std::memset(chunk, 0, sizeof chunk);
        const size_t got = file.Read(chunk, kChunkSize);
        if (got == 0) {
            splitter.Finish();
            break;
        }
        progress.Reach(file.Progress());
        m_report.NoteBytes(std::string_view(chunk, got));
        // The chunk is handled as a NUL-terminated string: a NUL byte ends its
        // usable part.
        reading = splitter.AddChunk(std::string_view(chunk, std::strlen(chunk)));
    }
    return true;
}

bool CDataFileReader::ParseRawLines() {
    switch (m_eDataFormat) {
    case COMMON::WLDF_TEXT:
        return ParseTextTable();
    case COMMON::WLDF_LAS:
        return ParseLasLines();
    }
    return Fail(LoadError::NoData, L"");
}

bool CDataFileReader::ParseLasLines() {
    if (m_rawLines.empty())
        return Fail(LoadError::NoText, L"");
    if (!m_pLasSections)
        return Fail(LoadError::NoData, L"");
    const LasParseResult result =
        ParseLas(m_rawLines, *m_pLasSections, m_rows, GetReadProgress(), m_rawLineMap, m_report);
    return result.Ok() || Fail(result.error, result.message, result.owner);
}

size_t CDataFileReader::FindHeaderLine(bool& found) const {
    found = true;
    if (!m_bHeaderSearch)
        return 0;
    for (size_t i = 0; i < m_rawLines.size(); ++i) {
        if (welldata::ContainsNoCase(m_rawLines[i], L"depth"))
            return i;
    }
    found = false;
    return m_rawLines.size();
}

bool CDataFileReader::ParseTextTable() {
    if (m_rawLines.empty())
        return Fail(LoadError::NoText, L"");
    bool found = false;
    const size_t headerLine = FindHeaderLine(found);
    if (!found)
        return Fail(LoadError::NoDepthHeader, welldata::Translate(kNoDepthHeaderMessage),
                    welldata::MessageOwner::FocusWindow, false);

    Row cells = welldata::SplitCells(m_rawLines[headerLine]);
    const size_t headerWidth = cells.size();
    if (!cells.empty()) {
        m_report.NoteHeader(m_rawLineMap.Line(headerLine), m_rawLines[headerLine], headerWidth);
        m_report.MapRow(0, m_rawLineMap.Line(headerLine));
        m_rows.push_back(std::move(cells));
    }

    size_t firstData = headerLine + 1;
    if (firstData < m_rawLines.size()) {
        welldata::SplitCells(m_rawLines[firstData], cells);
        const bool unitsLine =
            !cells.empty() && std::none_of(cells.begin(), cells.end(), [](const std::wstring& c) {
                return welldata::IsStrictNumber(c);
            });
        if (unitsLine)
            m_report.NoteUnitsLine(m_rawLineMap.Line(firstData++), cells);
    }

    const size_t dataLines = m_rawLines.size() - std::min(firstData, m_rawLines.size());
    StepProgress progress(GetReadProgress(), static_cast<long long>(dataLines), true);
    for (size_t i = firstData; i < m_rawLines.size(); ++i) {
        progress.Advance(static_cast<long long>(i - firstData));
        welldata::SplitCells(m_rawLines[i], cells);
        // The raw line is no longer needed once split; free it as we go.
        std::wstring().swap(m_rawLines[i]);
        if (cells.empty())
            continue;
        m_report.MapRow(m_rows.size(), m_rawLineMap.Line(i));
        // A header line of separators only gives no width to measure rows by.
        if (headerWidth > 0)
            m_report.NoteRowLength(m_rows.size(), cells.size(), headerWidth);
        if (cells.size() < headerWidth)
            cells.resize(headerWidth, kPaddingCell);
        m_rows.push_back(std::move(cells));
        cells = Row();
    }
    return true;
}

int CDataFileReader::GetRowCount() const {
    const int rows = static_cast<int>(m_rows.size());
    return (m_bHeaderRow && rows > 0) ? rows - 1 : rows;
}

int CDataFileReader::GetColumnCount() const {
    return m_rows.empty() ? 0 : static_cast<int>(m_rows.front().size());
}

Row CDataFileReader::GetRow(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return Row();
    return m_rows[static_cast<size_t>(index)];
}

std::vector<float> CDataFileReader::GetColumn(int column) const {
    return GetColumn(column, ValueCallback());
}

std::vector<float> CDataFileReader::GetColumn(int column, const ValueCallback& callback) const {
    return std::move(GetColumns({column}, callback).front());
}

std::vector<std::vector<float>> CDataFileReader::GetColumns(const std::vector<int>& columns,
                                                            const ValueCallback& callback) const {
    std::vector<std::vector<float>> values(columns.size());
    if (m_rows.empty())
        return values;
    const size_t first = std::min<size_t>(FirstDataRow(), m_rows.size());
    // A column at or beyond the first row's cells stays empty.
    std::vector<size_t> taken;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] >= 0 && static_cast<size_t>(columns[i]) >= m_rows.front().size())
            continue;
        values[i].reserve(m_rows.size() - first);
        taken.push_back(i);
    }
    for (size_t r = first; r < m_rows.size() && !taken.empty(); ++r) {
        const Row& row = m_rows[r];
        for (size_t i : taken) {
            double value = 0.0;
            if (columns[i] >= 0 && !CellValue(row, static_cast<size_t>(columns[i]), value))
                m_report.NoteTextCell(r, static_cast<size_t>(columns[i]));
            if (callback)
                callback(value);
            values[i].push_back(static_cast<float>(value));
        }
    }
    return values;
}

void CDataFileReader::NoteTextCell(int row, size_t column) const {
    if (row >= 0)
        m_report.NoteTextCell(static_cast<size_t>(row), column);
}

bool CDataFileReader::IsNumericCell(int column) const {
    const size_t firstData = IsLas() ? 0 : 1;
    if (column < 0 || m_rows.size() <= firstData)
        return false;
    const Row& row = m_rows[firstData];
    return static_cast<size_t>(column) < row.size() &&
           welldata::IsStrictNumber(row[static_cast<size_t>(column)]);
}

bool CDataFileReader::IsNumericColumn(int column) const {
    if (m_rows.size() < 2)
        return false;
    if (column < 0)
        return false;
    const size_t index = static_cast<size_t>(column);
    if (m_rows.front().empty() || index >= m_rows.front().size())
        return true;
    for (size_t i = 2; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        if (index >= row.size() || !welldata::IsStrictNumber(row[index]))
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
