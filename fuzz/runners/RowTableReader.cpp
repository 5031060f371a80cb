#include "fuzz/runners/RowTableReader.h"

#include "platform/MultiByteConverter.h"
#include "platform/StepProgress.h"
#include "platform/TextModeFile.h"
#include "platform/WideText.h"
#include "reader/CellSplitter.h"
#include "reader/LasDepthReport.h"
#include "reader/LasItemLine.h"
#include "reader/RawLineSplitter.h"
#include "reader/ReadProgress.h"
#include "reader/StrictNumber.h"
#include "reader/WrappedRowJoiner.h"
#include "welldata/CProgressCtrl.h"
#include "welldata/CodePage.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace welldata::reference {

namespace {

constexpr size_t kChunkSize = 2048;
constexpr int kProgressRange = 200;
const wchar_t* const kPaddingCell = L"-9999.0";
const wchar_t* const kOpenFailedMessage = L"打开文件失败。";
const wchar_t* const kNoDepthHeaderMessage =
    L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。";
const wchar_t* const kNoSectionMessage = L"解释数据时没有找到相应的数据段\r\n"
                                         L"原因：\r\n"
                                         L"  (1)、不是LAS格式文件；\r\n"
                                         L"  (2)、LAS文件数据格式有缺失。\r\n"
                                         L"  请检查数据，确保无误之后重试。";
const wchar_t* const kNoDataMarkMessage =
    L"解释数据时没有找到数据开始标记“~A”，请检查数据，确保无误之后重试。";
const wchar_t* const kIllegalLasMessage = L"非法的Las格式文件。";
const wchar_t* const kBadWrapMessage = L"文件数据有问题，请检查数据，确保无误之后重试！";
const wchar_t* const kBadDepthsMessage = L"下列深度的数据有问题，请检查数据，确保无误之后重试：\n";

// Converts one cell for a column: a missing cell counts as the padding value,
// text that is not a number as 0 (and false).
bool CellValue(const Row& row, size_t column, double& value) {
    value = 0.0;
    if (column >= row.size())
        return ParseStrictDouble(kPaddingCell, value);
    return ParseStrictDouble(row[column], value);
}

// Every line decoded on its own and kept, with its file line.
class RawLines : public LineSink {
public:
    RawLines(std::vector<std::wstring>& lines, LineMap& lineMap, const std::string& codePage)
        : m_lines(lines), m_lineMap(lineMap), m_converter(codePage) {}

    void TakeLine(const SourceLine& line) override {
        m_lineMap.Add(m_lines.size(), line.fileLine);
        m_lines.push_back(m_converter.ToWide(line.bytes));
    }

private:
    std::vector<std::wstring>& m_lines;
    LineMap& m_lineMap;
    MultiByteConverter m_converter;
};

ParseOutcome Failure(LoadError error, std::wstring message,
                     MessageOwner owner = MessageOwner::FocusWindow) {
    ParseOutcome outcome;
    outcome.Fail(error, std::move(message), owner);
    return outcome;
}

bool IsDataMark(wchar_t c) {
    return c == L'A' || c == L'a';
}

// One parse: the header sections and the data rows, line by line.
class CLasParser {
public:
    CLasParser(CLasSectionTable& sections, RowTable& rows, const LineMap& lineMap,
               LineMap& rowLines, LoadReportRecorder& report)
        : m_sections(sections), m_rows(rows), m_lineMap(lineMap), m_rowLines(rowLines),
          m_report(report) {}

    ParseOutcome Parse(std::vector<std::wstring>& lines, CProgressCtrl* progress) {
        m_sections.Clear();
        if (!ParseLines(lines, progress))
            return Failure(LoadError::LasNoSection, kNoSectionMessage, MessageOwner::None);
        if (!m_bInData)
            return Failure(LoadError::LasNoData, kNoDataMarkMessage);
        NoteDeclaredUnits();
        return CheckData();
    }

private:
    bool ParseLines(std::vector<std::wstring>& lines, CProgressCtrl* progress) {
        StepProgress stepper(progress, static_cast<long long>(lines.size()), true);
        for (size_t i = 0; i < lines.size(); ++i) {
            stepper.Advance(static_cast<long long>(i));
            const std::wstring line = std::move(lines[i]);
            if (line.empty() || line.front() == L'#')
                continue;
            if (m_bInData) {
                AddDataRow(line, i);
                continue;
            }
            const size_t tilde = line.find(L'~');
            if (tilde != std::wstring::npos)
                StartSection(line, tilde);
            else if (!AddHeaderItem(line))
                return false;
        }
        return true;
    }

    void StartSection(const std::wstring& line, size_t tilde) {
        if (tilde + 1 < line.size() && IsDataMark(line[tilde + 1])) {
            StartData();
            return;
        }
        m_pCurrentSection = &m_sections.AddSection(line.substr(tilde, 2));
    }

    bool AddHeaderItem(const std::wstring& line) {
        std::optional<CLasItem> item = SplitLasItem(line);
        if (!item)
            return true;
        if (m_pCurrentSection != nullptr && EqualsNoCase(m_pCurrentSection->strName, L"~O"))
            return true;
        if (m_pCurrentSection == nullptr)
            return false;
        m_pCurrentSection->items.push_back(std::move(*item));
        return true;
    }

    void StartData() {
        m_bInData = true;
        const CLasSection* curves = m_sections.FindSection(L"~C");
        const CLasSection* version = m_sections.FindSection(L"~V");
        if (curves != nullptr && !curves->items.empty() && version != nullptr &&
            IsWrapped(*version))
            m_joiner.emplace(curves->items.size());
    }

    void AddDataRow(const std::wstring& line, size_t rawLine) {
        Row cells = SplitCells(line);
        if (cells.empty())
            return;
        const size_t fileLine = m_lineMap.Line(rawLine);
        if (!m_joiner) {
            m_rowLines.Add(m_rows.size(), fileLine);
            m_rows.push_back(std::move(cells));
            return;
        }
        const size_t finished = m_rows.size();
        m_joiner->Add(std::move(cells), m_rows);
        if (m_rows.size() > finished)
            m_rowLines.Add(finished, m_recordLine);
        if (m_rows.size() > finished || m_recordLine == 0)
            m_recordLine = fileLine;
    }

    void NoteDeclaredUnits() {
        std::vector<std::wstring> units;
        if (const CLasSection* curves = m_sections.FindSection(L"~C")) {
            for (const CLasItem& item : curves->items)
                units.push_back(item.strUnit);
        }
        m_report.NoteDeclaredUnits(std::move(units));
    }

    ParseOutcome CheckData() {
        const CLasSection* curves = m_sections.FindSection(L"~C");
        const CLasSection* version = m_sections.FindSection(L"~V");
        if (curves == nullptr || version == nullptr)
            return Failure(LoadError::LasNotLas, kIllegalLasMessage);
        const size_t curveCount = curves->items.size();
        if (IsWrapped(*version) && !JoinWrappedRows(curveCount))
            return Failure(LoadError::LasBadWrap, kBadWrapMessage);
        if (curveCount == 0)
            return {};
        LasDepthReport report;
        for (const Row& row : m_rows) {
            if (!row.empty() && row.size() != curveCount)
                report.Add(row.front());
        }
        if (report.IsEmpty())
            return {};
        return Failure(LoadError::LasBadRows, kBadDepthsMessage + report.Text());
    }

    bool JoinWrappedRows(size_t curveCount) {
        if (m_joiner) {
            const size_t last = m_rows.size();
            const bool joined = m_joiner->Finish(m_rows);
            if (m_rows.size() > last)
                m_rowLines.Add(last, m_recordLine);
            return joined;
        }
        return WrappedRowJoiner(curveCount).Join(m_rows);
    }

    static bool IsWrapped(const CLasSection& version) {
        const CLasItem* wrap = version.FindItem(L"WRAP");
        return wrap != nullptr && EqualsNoCase(wrap->strValue, L"YES");
    }

    CLasSectionTable& m_sections;
    RowTable& m_rows;
    const LineMap& m_lineMap;
    LineMap& m_rowLines;
    LoadReportRecorder& m_report;
    size_t m_recordLine = 0;
    CLasSection* m_pCurrentSection = nullptr;
    bool m_bInData = false;
    std::optional<WrappedRowJoiner> m_joiner;
};

} // namespace

ParseOutcome ParseLasTable(std::vector<std::wstring>& rawLines, CLasSectionTable& sections,
                           RowTable& rows, CProgressCtrl* progress, const LineMap& lineMap,
                           LineMap& rowLines, LoadReportRecorder& report) {
    return CLasParser(sections, rows, lineMap, rowLines, report).Parse(rawLines, progress);
}

RowTableReader::RowTableReader() : m_pLasSections(std::make_unique<CLasSectionTable>()) {}

bool RowTableReader::Fail(LoadError error, const std::wstring& message, MessageOwner owner,
                          bool batchSilent) {
    m_failure = {error, message};
    if (!message.empty() && !(batchSilent && m_bBatchLoad)) {
        if (owner == MessageOwner::ApplicationBox)
            ShowApplicationMessage(message);
        else
            ShowInformation(message, owner);
    }
    return false;
}

bool RowTableReader::Read(int mode) {
    m_failure = {};
    m_report.Start();
    if (m_strFilePath.empty())
        return Fail(LoadError::NoFile, L"");
    m_nReadMode = mode;
    if (!m_rows.empty())
        Clear();
    if (!ReadRawLines())
        return false;
    bool parsed = false;
    switch (m_eDataFormat) {
    case COMMON::WLDF_TEXT:
        parsed = ParseTextTable();
        break;
    case COMMON::WLDF_LAS:
        parsed = ParseLasLines();
        break;
    default:
        parsed = Fail(LoadError::NoData, L"");
    }
    m_rawLines.clear();
    m_rawLineMap.Clear();
    return parsed;
}

void RowTableReader::Clear() {
    m_pLasSections.reset();
    m_rows.clear();
    m_rowLines.Clear();
}

void RowTableReader::EnsureSections() {
    if (!m_pLasSections)
        m_pLasSections = std::make_unique<CLasSectionTable>();
}

CProgressCtrl* RowTableReader::GetReadProgress() const {
    if (m_nReadMode != 0 || m_pProgress == nullptr || !m_pProgress->HasWindow())
        return nullptr;
    return m_pProgress;
}

bool RowTableReader::ReadRawLines() {
    TextModeFile file;
    if (!file.Open(m_strFilePath, GetDataCodePage()))
        return Fail(LoadError::CannotOpen, kOpenFailedMessage, MessageOwner::ApplicationBox, false);
    if (m_pProgress != nullptr && m_pProgress->HasWindow()) {
        m_pProgress->SetRange(0, kProgressRange);
        m_pProgress->SetStep(1);
        m_pProgress->SetPos(0);
    }
    ReadProgress progress(GetReadProgress(), file.Length());
    m_rows.clear();
    m_rowLines.Clear();
    m_rawLines.clear();
    m_rawLineMap.Clear();

    RawLines lines(m_rawLines, m_rawLineMap, file.TextCodePage());
    RawLineSplitter splitter(m_nReadMode, IsLas(), !m_bBatchLoad, m_lasPreviewLines,
                             file.TextCodePage(), lines);
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
        reading = splitter.AddChunk(std::string_view(chunk, std::strlen(chunk)));
    }
    return true;
}

bool RowTableReader::ParseLasLines() {
    if (m_rawLines.empty())
        return Fail(LoadError::NoText, L"");
    if (!m_pLasSections)
        return Fail(LoadError::NoData, L"");
    const ParseOutcome result = ParseLasTable(
        m_rawLines, *m_pLasSections, m_rows, GetReadProgress(), m_rawLineMap, m_rowLines, m_report);
    return result.Ok() || Fail(result.error, result.message, result.owner);
}

size_t RowTableReader::FindHeaderLine(bool& found) const {
    found = true;
    if (!m_bHeaderSearch)
        return 0;
    for (size_t i = 0; i < m_rawLines.size(); ++i) {
        if (ContainsNoCase(m_rawLines[i], L"depth"))
            return i;
    }
    found = false;
    return m_rawLines.size();
}

bool RowTableReader::ParseTextTable() {
    if (m_rawLines.empty())
        return Fail(LoadError::NoText, L"");
    bool found = false;
    const size_t headerLine = FindHeaderLine(found);
    if (!found)
        return Fail(LoadError::NoDepthHeader, kNoDepthHeaderMessage, MessageOwner::FocusWindow,
                    false);

    Row cells = SplitCells(m_rawLines[headerLine]);
    const size_t headerWidth = cells.size();
    if (!cells.empty()) {
        m_report.NoteHeader(m_rawLineMap.Line(headerLine), m_rawLines[headerLine], headerWidth);
        m_rowLines.Add(0, m_rawLineMap.Line(headerLine));
        m_rows.push_back(std::move(cells));
    }

    size_t firstData = headerLine + 1;
    if (firstData < m_rawLines.size()) {
        SplitCells(m_rawLines[firstData], cells);
        const bool unitsLine =
            !cells.empty() && std::none_of(cells.begin(), cells.end(),
                                           [](const std::wstring& c) { return IsStrictNumber(c); });
        if (unitsLine)
            m_report.NoteUnitsLine(m_rawLineMap.Line(firstData++), cells);
    }

    const size_t dataLines = m_rawLines.size() - std::min(firstData, m_rawLines.size());
    StepProgress progress(GetReadProgress(), static_cast<long long>(dataLines), true);
    for (size_t i = firstData; i < m_rawLines.size(); ++i) {
        progress.Advance(static_cast<long long>(i - firstData));
        SplitCells(m_rawLines[i], cells);
        if (cells.empty())
            continue;
        const size_t line = m_rawLineMap.Line(i);
        m_rowLines.Add(m_rows.size(), line);
        if (headerWidth > 0)
            m_report.NoteRowLength(cells.size(), headerWidth, line);
        if (cells.size() < headerWidth)
            cells.resize(headerWidth, kPaddingCell);
        m_rows.push_back(std::move(cells));
        cells = Row();
    }
    return true;
}

int RowTableReader::GetRowCount() const {
    const int rows = static_cast<int>(m_rows.size());
    return (m_bHeaderRow && rows > 0) ? rows - 1 : rows;
}

int RowTableReader::GetColumnCount() const {
    return m_rows.empty() ? 0 : static_cast<int>(m_rows.front().size());
}

Row RowTableReader::GetRow(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return Row();
    return m_rows[static_cast<size_t>(index)];
}

std::vector<std::vector<float>> RowTableReader::GetColumns(const std::vector<int>& columns,
                                                           const ValueCallback& callback) const {
    std::vector<std::vector<float>> values(columns.size());
    if (m_rows.empty())
        return values;
    const size_t first = std::min<size_t>(FirstDataRow(), m_rows.size());
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
                NoteTextCell(r, static_cast<size_t>(columns[i]));
            if (callback)
                callback(value);
            values[i].push_back(static_cast<float>(value));
        }
    }
    return values;
}

void RowTableReader::NoteTextCell(std::size_t row, std::size_t column) const {
    m_report.NoteTextCell(row, column, m_rowLines.Line(row));
}

bool RowTableReader::IsNumericCell(int column) const {
    const size_t firstData = IsLas() ? 0 : 1;
    if (column < 0 || m_rows.size() <= firstData)
        return false;
    const Row& row = m_rows[firstData];
    return static_cast<size_t>(column) < row.size() &&
           IsStrictNumber(row[static_cast<size_t>(column)]);
}

bool RowTableReader::IsNumericColumn(int column) const {
    if (m_rows.size() < 2 || column < 0)
        return false;
    const size_t index = static_cast<size_t>(column);
    if (m_rows.front().empty() || index >= m_rows.front().size())
        return true;
    for (size_t i = 2; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        if (index >= row.size() || !IsStrictNumber(row[index]))
            return false;
    }
    return true;
}

std::wstring RowTableReader::TakePreviewText() {
    std::wstring text;
    for (const std::wstring& line : m_lasPreviewLines) {
        text += line;
        text += L"\r\n";
    }
    m_lasPreviewLines.clear();
    return text;
}

} // namespace welldata::reference
