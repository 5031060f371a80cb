#include "reader/LasParser.h"

#include "platform/Translation.h"
#include "platform/WideText.h"
#include "reader/CellText.h"
#include "reader/LasItemLine.h"

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

bool IsWrappedVersion(const CLasSection& version) {
    const CLasItem* wrap = version.FindItem(L"WRAP");
    return wrap != nullptr && welldata::EqualsNoCase(wrap->strValue, L"YES");
}

} // namespace

void LasParser::TakeLine(const SourceLine& line) {
    // A parse without a section table, or one stopped by an item outside any
    // section, only counts the lines.
    const std::size_t index = m_lines++;
    if (m_sections == nullptr || m_itemOutsideSection)
        return;
    if (index == 0)
        m_sections->Clear();
    if (line.Front() == L'#')
        return;
    // Once the data has started every line is data, even one with a "~".
    if (m_bInData) {
        TakeDataLine(line);
        return;
    }
    if (!TakeHeaderLine(line.Wide()))
        m_itemOutsideSection = index;
}

bool LasParser::TakeHeaderLine(const std::wstring& line) {
    const std::size_t tilde = line.find(L'~');
    if (tilde != std::wstring::npos) {
        StartSection(line, tilde);
        return true;
    }
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

void LasParser::StartSection(const std::wstring& line, std::size_t tilde) {
    if (tilde + 1 < line.size() && IsDataMark(line[tilde + 1])) {
        StartData();
        return;
    }
    m_pCurrentSection = &m_sections->AddSection(line.substr(tilde, 2));
}

void LasParser::StartData() {
    m_bInData = true;
    const CLasSection* curves = m_sections->FindSection(L"~C");
    const CLasSection* version = m_sections->FindSection(L"~V");
    m_curveCount = curves != nullptr ? curves->items.size() : 0;
    if (m_curveCount > 0 && version != nullptr && IsWrappedVersion(*version))
        m_joiner.emplace(m_curveCount);
    m_rows.TakeLasHeader(*m_sections);
}

void LasParser::TakeDataLine(const SourceLine& line) {
    if (line.IsAscii())
        m_cells.SplitAscii(line.bytes);
    else
        m_cells.SplitWide(*line.wide);
    if (m_cells.Empty())
        return;
    if (!m_joiner) {
        PassRow(m_cells.Cells(), line.fileLine);
        return;
    }
    // A record is finished by the line that starts the next one.
    const bool finished = m_joiner->Add(m_cells.Cells());
    if (finished)
        PassRow(m_joiner->Finished(), m_recordLine);
    if (finished || m_recordLine == 0)
        m_recordLine = line.fileLine;
}

void LasParser::PassRow(RowView cells, std::size_t line) {
    if (m_curveCount > 0 && cells.size() != m_curveCount)
        m_badDepths.Add(welldata::CellToWide(cells.front()));
    m_rows.TakeRow({m_rowCount++, line, cells});
}

void LasParser::NoteDeclaredUnits() {
    std::vector<std::wstring> units;
    if (const CLasSection* curves = m_sections->FindSection(L"~C")) {
        for (const CLasItem& item : curves->items)
            units.push_back(item.strUnit);
    }
    m_report.NoteDeclaredUnits(std::move(units));
}

bool LasParser::IsWrapped() const {
    const CLasSection* version = m_sections->FindSection(L"~V");
    return version != nullptr && IsWrappedVersion(*version);
}

ParseOutcome LasParser::Finish() {
    ParseOutcome outcome;
    if (m_lines == 0) {
        outcome.Fail(LoadError::NoText);
        return outcome;
    }
    if (m_sections == nullptr) {
        outcome.Fail(LoadError::NoData);
        return outcome;
    }
    outcome.stepped = true;
    outcome.items = static_cast<long long>(m_lines);
    outcome.through = static_cast<long long>(m_itemOutsideSection.value_or(m_lines - 1));
    if (m_itemOutsideSection)
        outcome.Fail(LoadError::LasNoSection, welldata::Translate(kNoSectionMessage),
                     welldata::MessageOwner::None);
    else if (!m_bInData)
        outcome.Fail(LoadError::LasNoData, welldata::Translate(kNoDataMarkMessage));
    else
        CheckData(outcome);
    return outcome;
}

void LasParser::CheckData(ParseOutcome& outcome) {
    NoteDeclaredUnits();
    if (m_sections->FindSection(L"~C") == nullptr || m_sections->FindSection(L"~V") == nullptr) {
        outcome.Fail(LoadError::LasNotLas, welldata::Translate(kIllegalLasMessage));
        return;
    }
    if (IsWrapped()) {
        // Without curves there is no joiner, and the join fails.
        const bool joined = m_joiner.has_value();
        if (joined && m_joiner->TakeLast())
            PassRow(m_joiner->Finished(), m_recordLine);
        if (!joined || !m_joiner->Joined()) {
            outcome.Fail(LoadError::LasBadWrap, welldata::Translate(kBadWrapMessage));
            return;
        }
    }
    if (m_curveCount == 0 || m_badDepths.IsEmpty())
        return;
    outcome.Fail(LoadError::LasBadRows,
                 welldata::Translate(kBadDepthsMessage) + m_badDepths.Text());
}
