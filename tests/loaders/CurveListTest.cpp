#include "loaders/CurveKind.h"
#include "loaders/CurveUnitNormalizer.h"
#include "loaders/TableCurveList.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using COMMON::STRUCT_CURVE_ITEM;
using settings_test::ScopedSettingsFile;
using settings_test::SectionText;

namespace {

const std::string kSettings =
    SectionText("well_log", {"17=DEPTH 深度 DEPT", "21=GR 自然伽马", "30=RT", "49=POR 孔隙度"});

// Each row as "name|column|type|unit|id".
std::vector<std::wstring> Rows(const std::vector<TableCurveList::ListedCurve>& rows) {
    std::vector<std::wstring> texts;
    for (const auto& row : rows)
        texts.push_back(row.name + L"|" + std::to_wstring(row.column) + L"|" + row.type + L"|" +
                        row.unit + L"|" + std::to_wstring(row.curveId));
    return texts;
}

TEST(TableCurveListTest, LasCurvesAreNamedAsLasCurvesAndKeepTheirUnits) {
    ScopedSettingsFile settings(kSettings + "55=TOP\n");
    testing_support::ScratchFile file;
    // A curve named like no setting, a duplicate, an empty mnemonic, a
    // rock core id (55) that is no curve, an unknown unit.
    ASSERT_TRUE(file.ReadLas(testing_support::LasHeader() +
                             "~Curve\n dept.M : depth\n gr .GAPI/m : gamma\n Rt .OHMM : r\n"
                             " GR .API : again\n .M : nameless\n TOP .M : top\n POR . : p\n"
                             "~A\n1 2 3 4 5 6 7\n"));
    const auto rows = TableCurveList::ListLas(*file.Section(L"~C"));
    EXPECT_EQ(Rows(rows), (std::vector<std::wstring>{
                              L"DEPTH|1|DEPTH|M|17", L"GR|2|GR|GAPI/m|21", L"RT|3|RT|OHMM|30",
                              L"GR|4|GR|API|21", L"|5||M|-1", L"TOP|6||M|-1", L"POR|7|POR||49"}));
    // Collected on the single well page, a row without a type takes its name.
    EXPECT_EQ(TableCurveList::ToCurve(rows[5], TableCurveList::Page::SingleWell).strType, L"TOP");
    EXPECT_EQ(TableCurveList::ToCurve(rows[5], TableCurveList::Page::MultiWell).strType, L"");
}

STRUCT_CURVE_ITEM Curve(const wchar_t* type, const wchar_t* unit) {
    STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = type;
    std::tie(curve.strUnit, curve.strDisplayName) = std::tuple(unit, L"stale");
    return curve;
}

TEST(CurveUnitNormalizerTest, RewritesUnitsFlagsOhmMetresAndNamesCurves) {
    ScopedSettingsFile settings(kSettings);
    using Dialog = CurveUnitNormalizer::Dialog;
    // Ohm-metre in another letter case is logarithmic but not rewritten.
    const std::tuple<Dialog, const wchar_t*, const wchar_t*, const wchar_t*, bool, const wchar_t*>
        cases[] = {{Dialog::SingleWell, L"RT", L"欧姆·米", L"Ω·M", true, L""},
                   {Dialog::SingleWell, L"depth", L"米", L"m", false, L"深度"},
                   {Dialog::MultiWell, L"DEPTH", L"英尺", L"ft", false, L"深度"}};
    for (const auto& [dialog, type, unit, expectedUnit, logarithmic, displayName] : cases) {
        std::list<STRUCT_CURVE_ITEM> curves{Curve(type, unit)};
        CurveUnitNormalizer(dialog).Normalize(curves);
        SCOPED_TRACE(testing_support::Narrow(std::wstring(type) + L" " + unit));
        EXPECT_EQ(curves.front().strUnit, expectedUnit);
        EXPECT_EQ(curves.front().bLogarithmic, logarithmic);
        EXPECT_EQ(curves.front().strDisplayName, displayName);
    }
}

} // namespace
