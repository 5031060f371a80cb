#include "reader/TextTableParser.h"

#include "platform/Translation.h"
#include "platform/WideText.h"
#include "reader/StrictNumber.h"

#include <algorithm>

namespace {

constexpr std::string_view kPaddingCell = "-9999.0";
const welldata::CatalogueText kNoDepthHeaderMessage = WELLDATA_CATALOGUE_TEXT(
    "CDataFileReader", "加载井曲线数据时，指定了非法的数据文件，请确认之后重试。");

} // namespace

void TextTableParser::Split(const SourceLine& line) {
    if (line.IsAscii())
        m_cells.SplitAscii(line.bytes);
    else
        m_cells.SplitWide(*line.wide);
}

void TextTableParser::PassRow(std::size_t line) {
    m_rows.TakeRow({m_rowCount++, line, m_cells.Cells()});
}

void TextTableParser::TakeLine(const SourceLine& line) {
    ++m_lines;
    switch (m_stage) {
    case Stage::Header:
        // Lines before the header line are ignored.
        if (!m_headerSearch || welldata::ContainsNoCase(line.Wide(), L"depth"))
            TakeHeader(line);
        return;
    case Stage::UnitsLine:
        m_stage = Stage::Data;
        Split(line);
        if (IsUnitsLine()) {
            m_report.NoteUnitsLine(line.fileLine, welldata::ToWideRow(m_cells.Cells()));
            return;
        }
        break;
    case Stage::Data:
        Split(line);
        break;
    }
    TakeDataLine(line);
}

void TextTableParser::TakeHeader(const SourceLine& line) {
    m_stage = Stage::UnitsLine;
    Split(line);
    m_headerWidth = m_cells.Size();
    if (m_cells.Empty())
        return;
    m_report.NoteHeader(line.fileLine, line.Wide(), m_headerWidth);
    PassRow(line.fileLine);
}

// The line after the header holds units when it has cells and none of them
// is a number.
bool TextTableParser::IsUnitsLine() const {
    const RowView cells = m_cells.Cells();
    return !cells.empty() && std::none_of(cells.begin(), cells.end(), [](std::string_view cell) {
        double value = 0.0;
        return welldata::ParseStrictCell(cell, value);
    });
}

// The cells of the line are split already.
void TextTableParser::TakeDataLine(const SourceLine& line) {
    ++m_dataLines;
    if (m_cells.Empty())
        return;
    // A header line of separators only gives no width to measure rows by.
    if (m_headerWidth > 0)
        m_report.NoteRowLength(m_cells.Size(), m_headerWidth, line.fileLine);
    m_cells.PadTo(m_headerWidth, kPaddingCell);
    PassRow(line.fileLine);
}

ParseOutcome TextTableParser::Finish() const {
    ParseOutcome outcome;
    if (m_lines == 0) {
        outcome.Fail(welldata::LoadError::NoText);
    } else if (m_stage == Stage::Header) {
        outcome.Fail(welldata::LoadError::NoDepthHeader,
                     welldata::Translate(kNoDepthHeaderMessage));
        outcome.batchSilent = false;
    } else {
        outcome.stepped = true;
        outcome.items = static_cast<long long>(m_dataLines);
        outcome.through = outcome.items - 1;
    }
    return outcome;
}
