#include "fuzz/runners/RowTableLoads.h"

#include "interface/LasUnits.h"
#include "platform/StepProgress.h"

namespace welldata::reference {

namespace {

// The reader's note of a cell of table row `row` read as 0.
auto TextCellsOf(const RowTableReader& reader, std::size_t row) {
    return [&reader, row](std::size_t column) { reader.NoteTextCell(row, column); };
}

} // namespace

bool LoadPath(CWellPath& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path) {
    reader.Read(0);
    const int count = reader.GetRowCount();
    if (count == 0)
        return false;
    const CWellPath::PointLayout layout = loader.LoadLayout();
    path.dqPoints.clear();
    path.bHasNullValue = layout.hasNullValue;
    path.fNullValue = layout.nullValue;
    path.nAngleUnit = loader.GetAngleUnit();
    path.nDataType = layout.dataType;

    StepProgress progress(reader.GetProgressCtrl(), count, true);
    const int first = (!reader.IsLas() && reader.HasHeaderRow()) ? 1 : 0;
    const RowTable& rows = reader.GetRows();
    for (int i = first; i < first + count; ++i) {
        progress.Advance(i);
        COMMON::STRUCT_WELL_PATH_POINT point;
        const auto note = TextCellsOf(reader, static_cast<std::size_t>(i));
        if (!loader.ReadPoint(rows[static_cast<size_t>(i)], point, layout, TextCellNote(note)))
            continue;
        if (!CWellPath::IsValidPathPoint(path.nDataType, point))
            return reader.Fail(LoadError::NullInPath, CWellPath::NullInPathMessage(),
                               MessageOwner::FocusWindow, false);
        path.dqPoints.push_back(point);
    }
    return true;
}

bool LoadLas(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path,
             COMMON::STRUCT_WELL_CURVE& curves) {
    if (curves.bWithWellPath && !LoadPath(loader, reader, path))
        return false;
    if (!curves.bWithWellPath && loader.HasUserCurveList() && !reader.Read(0))
        return false;
    const CLasSectionTable* sections = reader.GetLasSections();
    const CLasSection* curveSection = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
    if (curveSection == nullptr)
        return false;
    const int curveCount = curveSection->GetItemCount();
    if (!loader.HasUserCurveList())
        curves.lstCurves = CWellLog::LasCurves(*curveSection);
    std::vector<std::vector<float>> values =
        reader.GetColumns(loader.LasCurveColumns(curveCount),
                          loader.MakeNullReplacer(CWellLog::LasNullValues(*sections)));
    StepProgress progress(reader.GetProgressCtrl(), curveCount, true);
    auto curve = curves.lstCurves.begin();
    for (size_t i = 0; i < values.size(); ++i, ++curve) {
        progress.Advance(static_cast<long long>(i));
        curve->vecValues = std::move(values[i]);
        if (loader.GetConvertUnits())
            loader.ConvertLasCurve(*curve);
    }
    return true;
}

bool LoadTable(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_CURVE& curves) {
    if (curves.lstCurves.empty())
        return false;
    if (!curves.bWithWellPath && !reader.Read(0))
        return false;
    std::vector<std::vector<float>> values = reader.GetColumns(
        loader.TableCurveColumns(), loader.MakeNullReplacer(curves.vecNullValues));
    StepProgress progress(reader.GetProgressCtrl(), static_cast<long long>(values.size()), false);
    auto curve = curves.lstCurves.begin();
    for (size_t i = 0; i < values.size(); ++i, ++curve) {
        progress.Advance(static_cast<long long>(i));
        curve->vecValues = std::move(values[i]);
        if (loader.GetConvertUnits())
            loader.ConvertTableCurve(*curve);
    }
    return true;
}

bool LoadLog(CWellLog& loader, RowTableReader& reader, COMMON::STRUCT_WELL_PATH& path,
             COMMON::STRUCT_WELL_CURVE& curves) {
    if (curves.bWithWellPath && !LoadPath(loader, reader, path))
        return false;
    return LoadTable(loader, reader, curves);
}

bool LoadWellHeads(const CWellHead& loader, RowTableReader& reader,
                   std::list<COMMON::STRUCT_WELL_HEAD>& heads) {
    reader.Read(0);
    const int count = reader.GetRowCount();
    if (count == 0)
        return false;
    StepProgress progress(reader.GetProgressCtrl(), count, true);
    COMMON::STRUCT_WELL_HEAD record;
    for (int i = 1; i <= count; ++i) {
        progress.Advance(i);
        CWellHead::ResetWellHead(&record);
        const auto note = TextCellsOf(reader, static_cast<std::size_t>(i));
        if (loader.ReadWellHead(reader.GetRow(i), &record, TextCellNote(note)))
            heads.push_back(record);
    }
    return true;
}

bool LoadCoreAnalysis(RowTableReader& reader, std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    if (!reader.Read(0) || items.empty())
        return false;
    const int columns = reader.GetColumnCount();
    StepProgress progress(reader.GetProgressCtrl(), static_cast<long long>(items.size()), false);
    long long index = 0;
    for (COMMON::STRUCT_CURVE_ITEM& item : items) {
        progress.Advance(index++);
        if (item.nColumn >= 0 && item.nColumn < columns)
            item.vecValues = std::move(reader.GetColumns({item.nColumn}, {}).front());
    }
    return true;
}

bool LoadCoreDescription(const CRockCoreDescribe& loader, RowTableReader& reader,
                         COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record) {
    if (!reader.Read(0))
        return false;
    if (!loader.GetDescribeName().empty())
        record.strColumnName = loader.GetDescribeName();
    const int count = reader.GetRowCount();
    StepProgress progress(reader.GetProgressCtrl(), count, false);
    for (int i = 1; i <= count; ++i) {
        progress.Advance(i);
        COMMON::STRUCT_ROCK_CORE_DESCRIBE interval;
        const auto note = TextCellsOf(reader, static_cast<std::size_t>(i));
        if (loader.ReadInterval(reader.GetRow(i), interval, TextCellNote(note)))
            record.lstItems.push_back(std::move(interval));
    }
    return true;
}

bool ReadLasByName(CWellLog& loader, RowTableReader& reader, const std::wstring& file,
                   LasUnits& units, COMMON::STRUCT_WELL_PATH& path,
                   COMMON::STRUCT_WELL_CURVE& curves) {
    curves.lstCurves.clear();
    reader.SetFilePath(file);
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.EnsureSections();
    bool result = false;
    if (reader.Read(0)) {
        if (!units.settled)
            SettleLasUnits(reader.GetLasSections(), file, units.settled, units.coorUnit,
                           units.depthUnit);
        loader.SetCoorUnit(units.coorUnit);
        loader.SetDepthUnit(units.depthUnit);
        loader.SetConvertUnits(units.coorUnit != COMMON::COOR_UNIT_M ||
                               units.depthUnit != COMMON::COOR_UNIT_M);
        result = LoadLas(loader, reader, path, curves);
    }
    reader.Clear();
    return result;
}

} // namespace welldata::reference
