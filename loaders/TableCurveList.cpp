#include "loaders/TableCurveList.h"

#include "loaders/CurveKind.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "reader/CLasSectionTable.h"
#include "settings/ColumnRecognizer.h"
#include "settings/CurveTable.h"
#include "settings/WellAttributeId.h"

namespace {

// The highest curve id each page gives a type to.
unsigned int LastTypedId(TableCurveList::Page page) {
    return page == TableCurveList::Page::SingleWell ? WAI_LAST_CURVE : WAI_LAST_CURVE_WITH_UNIT;
}

// Types a row by the id its name is recognised as, up to `lastTypedId`.
TableCurveList::ListedCurve RecognisedRow(ColumnRecognizer& recognizer, std::wstring name,
                                          int column, unsigned int lastTypedId) {
    TableCurveList::ListedCurve row;
    row.name = std::move(name);
    row.column = column;
    const unsigned int id = recognizer.Recognize(row.name);
    if (id == 0 || id > lastTypedId)
        return row;
    row.curveId = static_cast<int>(id);
    if (const wchar_t* mnemonic = GetCurveMnemonic(id))
        row.type = mnemonic;
    return row;
}

} // namespace

std::vector<TableCurveList::ListedCurve>
TableCurveList::ListTable(const Row& names, const std::function<bool(int)>& isNumericColumn,
                          Page page) {
    std::vector<ListedCurve> rows;
    ColumnRecognizer recognizer(WellAttributeSection::WellLog, true);
    for (size_t column = 0; column < names.size(); ++column) {
        const int index = static_cast<int>(column);
        if (page == Page::SingleWell && !isNumericColumn(index))
            continue;
        ListedCurve row = RecognisedRow(recognizer, names[column], index + 1, LastTypedId(page));
        std::wstring unit;
        if (row.curveId > 0 && GetDefaultCurveUnit(static_cast<unsigned int>(row.curveId), unit))
            row.unit = unit;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TableCurveList::ListedCurve> TableCurveList::ListLas(const CLasSection& curveSection) {
    std::vector<ListedCurve> rows;
    ColumnRecognizer recognizer(WellAttributeSection::WellLog, true);
    for (int i = 0; i < curveSection.GetItemCount(); ++i) {
        const CLasItem& line = *curveSection.GetItem(i);
        ListedCurve row = RecognisedRow(recognizer, welldata::LasCurveName(line.strMnemonic), i + 1,
                                        WAI_LAST_CURVE);
        row.unit = welldata::TrimRight(line.strUnit, L" ");
        rows.push_back(std::move(row));
    }
    return rows;
}

COMMON::STRUCT_CURVE_ITEM TableCurveList::ToCurve(const ListedCurve& row, Page page) {
    COMMON::STRUCT_CURVE_ITEM curve;
    curve.strName = row.name;
    curve.nColumn = row.column;
    curve.strType = row.type;
    curve.strUnit = row.unit;
    if (page == Page::SingleWell && curve.strType.empty())
        curve.strType = curve.strName;
    return curve;
}

std::list<COMMON::STRUCT_CURVE_ITEM> TableCurveList::Build(const CDataFileReader& reader,
                                                           const Row& names, Page page) {
    return Build(
        names, [&reader](int column) { return reader.IsNumericColumn(column); }, page);
}

std::list<COMMON::STRUCT_CURVE_ITEM>
TableCurveList::Build(const Row& names, const std::function<bool(int)>& isNumericColumn,
                      Page page) {
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    for (const ListedCurve& row : ListTable(names, isNumericColumn, page))
        curves.push_back(ToCurve(row, page));
    return curves;
}
