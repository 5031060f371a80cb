#include "reader/CLasParser.h"

#include "platform/StepProgress.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "reader/CellSplitter.h"
#include "reader/LasDepthReport.h"
#include "reader/LasItemLine.h"

namespace {

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

bool IsDataMark(wchar_t c) {
    return c == L'A' || c == L'a';
}

} // namespace

bool CLasParser::Parse() {
    m_pSections = m_reader.GetLasSections();
    if (m_reader.GetRawLines().empty() || m_pSections == nullptr)
        return false;
    m_pSections->Clear();
    m_pCurrentSection = nullptr;
    m_bInData = false;
    m_joiner.reset();
    if (!ParseLines())
        return false;
    if (!m_bInData) {
        Report(kNoDataMarkMessage);
        return false;
    }
    return CheckData();
}

bool CLasParser::ParseLines() {
    std::vector<std::wstring>& lines = m_reader.GetRawLines();
    StepProgress progress(m_reader.GetReadProgress(), static_cast<long long>(lines.size()), true);
    for (size_t i = 0; i < lines.size(); ++i) {
        progress.Advance(static_cast<long long>(i));
        const std::wstring line = std::move(lines[i]);
        if (line.empty() || line.front() == L'#')
            continue;
        // Once the data has started every line is data, even one with a "~".
        if (m_bInData) {
            AddDataRow(line);
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
    m_pCurrentSection = &m_pSections->AddSection(line.substr(tilde, 2));
}

bool CLasParser::AddHeaderItem(const std::wstring& line) {
    std::optional<CLasItem> item = welldata::SplitLasItem(line);
    if (!item)
        return true;
    // Other information is free text: its lines are no items.
    if (m_pCurrentSection != nullptr && welldata::EqualsNoCase(m_pCurrentSection->strName, L"~O"))
        return true;
    if (m_pCurrentSection == nullptr) {
        Report(kNoSectionMessage, welldata::MessageOwner::None);
        return false;
    }
    m_pCurrentSection->items.push_back(std::move(*item));
    return true;
}

void CLasParser::StartData() {
    m_bInData = true;
    const CLasSection* curves = m_pSections->FindSection(L"~C");
    const CLasSection* version = m_pSections->FindSection(L"~V");
    if (curves != nullptr && !curves->items.empty() && version != nullptr && IsWrapped(*version))
        m_joiner.emplace(curves->items.size());
}

void CLasParser::AddDataRow(const std::wstring& line) {
    Row cells = welldata::SplitCells(line);
    if (cells.empty())
        return;
    if (m_joiner)
        m_joiner->Add(std::move(cells), m_reader.GetRows());
    else
        m_reader.GetRows().push_back(std::move(cells));
}

bool CLasParser::CheckData() {
    const CLasSection* curves = m_pSections->FindSection(L"~C");
    const CLasSection* version = m_pSections->FindSection(L"~V");
    if (curves == nullptr || version == nullptr) {
        Report(kIllegalLasMessage);
        return false;
    }
    const size_t curveCount = curves->items.size();
    if (IsWrapped(*version) && !JoinWrappedRows(curveCount)) {
        Report(kBadWrapMessage);
        return false;
    }
    if (curveCount == 0)
        return true;
    const std::wstring report = BadDepthReport(curveCount);
    if (report.empty())
        return true;
    Report(kBadDepthsMessage + report);
    return false;
}

bool CLasParser::JoinWrappedRows(size_t curveCount) {
    if (m_joiner)
        return m_joiner->Finish(m_reader.GetRows());
    return WrappedRowJoiner(curveCount).Join(m_reader.GetRows());
}

bool CLasParser::IsWrapped(const CLasSection& version) const {
    const CLasItem* wrap = version.FindItem(L"WRAP");
    return wrap != nullptr && welldata::EqualsNoCase(wrap->strValue, L"YES");
}

std::wstring CLasParser::BadDepthReport(size_t curveCount) const {
    LasDepthReport report;
    for (const Row& row : m_reader.GetRows()) {
        if (!row.empty() && row.size() != curveCount)
            report.Add(row.front());
    }
    return report.IsEmpty() ? std::wstring() : report.Text();
}

void CLasParser::Report(const std::wstring& text, welldata::MessageOwner owner) const {
    if (!m_reader.IsBatchLoad())
        welldata::ShowInformation(text, owner);
}
