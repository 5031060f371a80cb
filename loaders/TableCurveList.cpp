#include "loaders/TableCurveList.h"

#include "reader/CDataFileReader.h"
#include "settings/ColumnRecognizer.h"
#include "settings/CurveTable.h"
#include "settings/WellAttributeId.h"

namespace {

// The highest curve id each page gives a type to.
unsigned int LastTypedId(TableCurveList::Page page) {
    return page == TableCurveList::Page::SingleWell ? WAI_LAST_CURVE : WAI_LAST_CURVE_WITH_UNIT;
}

void SetCurveKind(COMMON::STRUCT_CURVE_ITEM& curve, unsigned int id, TableCurveList::Page page) {
    if (id == 0 || id > LastTypedId(page))
        return;
    if (const wchar_t* mnemonic = GetCurveMnemonic(id))
        curve.strType = mnemonic;
    std::wstring unit;
    if (GetDefaultCurveUnit(id, unit))
        curve.strUnit = unit;
}

} // namespace

std::list<COMMON::STRUCT_CURVE_ITEM> TableCurveList::Build(const CDataFileReader& reader,
                                                           const Row& names, Page page) {
    return Build(
        names, [&reader](int column) { return reader.IsNumericColumn(column); }, page);
}

std::list<COMMON::STRUCT_CURVE_ITEM>
TableCurveList::Build(const Row& names, const std::function<bool(int)>& isNumericColumn,
                      Page page) {
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    ColumnRecognizer recognizer(WellAttributeSection::WellLog, true);
    for (size_t column = 0; column < names.size(); ++column) {
        const int index = static_cast<int>(column);
        if (page == Page::SingleWell && !isNumericColumn(index))
            continue;
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.strName = names[column];
        curve.nColumn = index + 1;
        SetCurveKind(curve, recognizer.Recognize(names[column]), page);
        if (page == Page::SingleWell && curve.strType.empty())
            curve.strType = curve.strName;
        curves.push_back(std::move(curve));
    }
    return curves;
}
