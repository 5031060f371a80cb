#include "reader/LasParser.h"

#include "platform/StepProgress.h"
#include "platform/Translation.h"
#include "platform/WideText.h"
#include "reader/CellSplitter.h"
#include "reader/LasDepthReport.h"
#include "reader/LasItemLine.h"
#include "reader/WrappedRowJoiner.h"

#include <optional>

namespace {

using welldata::LoadError;

const welldata::CatalogueText kNoSectionMessage =
    WELLDATA_CATALOGUE_TEXT("LasParser", "解释数据时没有找到相应的数据段\r\n"
                                         "原因：\r\n"
                                         "  (1)、不是LAS格式文件；\r\n"
                                         "  (2)、LAS文件数据格式有缺失。\r\n"
                                         "  请检查数据，确保无误之后重试。");
const welldata::CatalogueText kNoDataMarkMessage = WELLDATA_CATALOGUE_TEXT(
    "LasParser", "解释数据时没有找到数据开始标记“~A”，请检查数据，确保无误之后重试。");
const welldata::CatalogueText kIllegalLasMessage =
    WELLDATA_CATALOGUE_TEXT("LasParser", "非法的Las格式文件。");
const welldata::CatalogueText kBadWrapMessage =
    WELLDATA_CATALOGUE_TEXT("LasParser", "文件数据有问题，请检查数据，确保无误之后重试！");
const welldata::CatalogueText kBadDepthsMessage =
    WELLDATA_CATALOGUE_TEXT("LasParser", "下列深度的数据有问题，请检查数据，确保无误之后重试：\n");

bool IsDataMark(wchar_t c) {
    return c == L'A' || c == L'a';
}

LasParseResult Failure(LoadError error, std::wstring message,
                       welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow) {
    return {error, std::move(message), owner};
}

// One parse: the header sections and the data rows, line by line.
class CLasParser {
public:
    CLasParser(CLasSectionTable& sections, RowTable& rows, const LineMap& lineMap,
               LoadReportRecorder& report)
        : m_sections(sections), m_rows(rows), m_lineMap(lineMap), m_report(report) {}

    LasParseResult Parse(std::vector<std::wstring>& lines, CProgressCtrl* progress);

private:
    // Sections and rows from the raw lines, releasing each line once parsed;
    // false when an item line comes before any section.
    bool ParseLines(std::vector<std::wstring>& lines, CProgressCtrl* progress);
    void StartSection(const std::wstring& line, size_t tilde);
    bool AddHeaderItem(const std::wstring& line);
    void AddDataRow(const std::wstring& line, size_t rawLine);
    // The units of the "~C" lines, in curve order.
    void NoteDeclaredUnits();

    // At the "~A" line: a wrapped file with curves has its lines joined as they
    // come (no section can follow "~A", so the header is complete here).
    void StartData();
    // Joins wrapped rows and checks that every row holds one value per curve.
    LasParseResult CheckData();
    bool JoinWrappedRows(size_t curveCount);
    bool IsWrapped(const CLasSection& version) const;
    std::wstring BadDepthReport(size_t curveCount) const;

    CLasSectionTable& m_sections;
    RowTable& m_rows;
    const LineMap& m_lineMap;
    LoadReportRecorder& m_report;
    // The file line of the wrapped record being joined.
    size_t m_recordLine = 0;
    CLasSection* m_pCurrentSection = nullptr;
    bool m_bInData = false;
    std::optional<WrappedRowJoiner> m_joiner;
};

LasParseResult CLasParser::Parse(std::vector<std::wstring>& lines, CProgressCtrl* progress) {
    m_sections.Clear();
    if (!ParseLines(lines, progress))
        return Failure(LoadError::LasNoSection, welldata::Translate(kNoSectionMessage),
                       welldata::MessageOwner::None);
    if (!m_bInData)
        return Failure(LoadError::LasNoData, welldata::Translate(kNoDataMarkMessage));
    NoteDeclaredUnits();
    return CheckData();
}

bool CLasParser::ParseLines(std::vector<std::wstring>& lines, CProgressCtrl* progress) {
    StepProgress stepper(progress, static_cast<long long>(lines.size()), true);
    for (size_t i = 0; i < lines.size(); ++i) {
        stepper.Advance(static_cast<long long>(i));
        const std::wstring line = std::move(lines[i]);
        if (line.empty() || line.front() == L'#')
            continue;
        // Once the data has started every line is data, even one with a "~".
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

void CLasParser::StartSection(const std::wstring& line, size_t tilde) {
    if (tilde + 1 < line.size() && IsDataMark(line[tilde + 1])) {
        StartData();
        return;
    }
    m_pCurrentSection = &m_sections.AddSection(line.substr(tilde, 2));
}

bool CLasParser::AddHeaderItem(const std::wstring& line) {
    std::optional<CLasItem> item = welldata::SplitLasItem(line);
    if (!item)
        return true;
    // Other information is free text: its lines are no items.
    if (m_pCurrentSection != nullptr && welldata::EqualsNoCase(m_pCurrentSection->strName, L"~O"))
        return true;
    if (m_pCurrentSection == nullptr)
        return false;
    m_pCurrentSection->items.push_back(std::move(*item));
    return true;
}

void CLasParser::StartData() {
    m_bInData = true;
    const CLasSection* curves = m_sections.FindSection(L"~C");
    const CLasSection* version = m_sections.FindSection(L"~V");
    if (curves != nullptr && !curves->items.empty() && version != nullptr && IsWrapped(*version))
        m_joiner.emplace(curves->items.size());
}

void CLasParser::AddDataRow(const std::wstring& line, size_t rawLine) {
    Row cells = welldata::SplitCells(line);
    if (cells.empty())
        return;
    const size_t fileLine = m_lineMap.Line(rawLine);
    if (!m_joiner) {
        m_report.MapRow(m_rows.size(), fileLine);
        m_rows.push_back(std::move(cells));
        return;
    }
    // A record is finished by the line that starts the next one.
    const size_t finished = m_rows.size();
    m_joiner->Add(std::move(cells), m_rows);
    if (m_rows.size() > finished)
        m_report.MapRow(finished, m_recordLine);
    if (m_rows.size() > finished || m_recordLine == 0)
        m_recordLine = fileLine;
}

void CLasParser::NoteDeclaredUnits() {
    std::vector<std::wstring> units;
    if (const CLasSection* curves = m_sections.FindSection(L"~C")) {
        for (const CLasItem& item : curves->items)
            units.push_back(item.strUnit);
    }
    m_report.NoteDeclaredUnits(std::move(units));
}

LasParseResult CLasParser::CheckData() {
    const CLasSection* curves = m_sections.FindSection(L"~C");
    const CLasSection* version = m_sections.FindSection(L"~V");
    if (curves == nullptr || version == nullptr)
        return Failure(LoadError::LasNotLas, welldata::Translate(kIllegalLasMessage));
    const size_t curveCount = curves->items.size();
    if (IsWrapped(*version) && !JoinWrappedRows(curveCount))
        return Failure(LoadError::LasBadWrap, welldata::Translate(kBadWrapMessage));
    if (curveCount == 0)
        return {};
    const std::wstring report = BadDepthReport(curveCount);
    if (report.empty())
        return {};
    return Failure(LoadError::LasBadRows, welldata::Translate(kBadDepthsMessage) + report);
}

bool CLasParser::JoinWrappedRows(size_t curveCount) {
    if (m_joiner) {
        const size_t last = m_rows.size();
        const bool joined = m_joiner->Finish(m_rows);
        if (m_rows.size() > last)
            m_report.MapRow(last, m_recordLine);
        return joined;
    }
    return WrappedRowJoiner(curveCount).Join(m_rows);
}

bool CLasParser::IsWrapped(const CLasSection& version) const {
    const CLasItem* wrap = version.FindItem(L"WRAP");
    return wrap != nullptr && welldata::EqualsNoCase(wrap->strValue, L"YES");
}

std::wstring CLasParser::BadDepthReport(size_t curveCount) const {
    LasDepthReport report;
    for (const Row& row : m_rows) {
        if (!row.empty() && row.size() != curveCount)
            report.Add(row.front());
    }
    return report.IsEmpty() ? std::wstring() : report.Text();
}

} // namespace

LasParseResult ParseLas(std::vector<std::wstring>& rawLines, CLasSectionTable& sections,
                        RowTable& rows, CProgressCtrl* progress, const LineMap& lineMap,
                        LoadReportRecorder& report) {
    return CLasParser(sections, rows, lineMap, report).Parse(rawLines, progress);
}
