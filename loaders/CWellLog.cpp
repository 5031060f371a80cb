#include "loaders/CWellLog.h"

#include "loaders/CurveKind.h"
#include "loaders/CurveUnitNormalizer.h"
#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "reader/ColumnCollector.h"
#include "reader/LenientNumber.h"

#include <algorithm>
#include <boost/bind/bind.hpp>
#include <cmath>
#include <numeric>

namespace {

constexpr double kNullTolerance = 0.001;

using welldata::EqualsNoCase;

void Scale(std::vector<float>& values, double factor) {
    for (float& value : values)
        value = static_cast<float>(value * factor);
}

} // namespace

// The columns of the curves, taken from the rows of a read as they come: the
// text table's curves, set before the read, or a LAS file's, known once its
// header is read.
class CWellLog::CurveColumns : public ColumnCollector {
public:
    CurveColumns(CWellLog& log, const CDataFileReader& reader)
        : ColumnCollector(reader), m_log(log) {
        HoldTextCells();
    }

    void ForTable() {
        m_las = false;
        Collect(m_log.TableCurveColumns(), m_log.MakeNullReplacer(m_log.m_pCurves->vecNullValues));
    }
    // `wanted`: whether LoadLas takes this read's values.
    void ForLas(bool wanted) {
        CollectNothing();
        m_las = wanted;
    }
    void TakeLasHeader(const CLasSectionTable& sections) override {
        const CLasSection* curves = sections.FindSection(L"~C");
        if (!m_las || curves == nullptr)
            return;
        Collect(m_log.LasCurveColumns(curves->GetItemCount()),
                m_log.MakeNullReplacer(LasNullValues(sections)));
    }

private:
    CWellLog& m_log;
    bool m_las = false;
};

CWellLog::CWellLog(CDataFileReader* reader, COMMON::STRUCT_WELL_PATH* path,
                   COMMON::STRUCT_WELL_CURVE* curves)
    : CWellPath(reader, path), m_pCurves(curves) {
    if (reader != nullptr && curves != nullptr)
        m_pColumns = std::make_unique<CurveColumns>(*this, *reader);
}

CWellLog::~CWellLog() = default;

template <class Cells>
void CWellLog::ReadLogLayout(const Cells& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                             const PointLayout& layout, const TextCellNote& note) const {
    if (GetDataType() != PATH_LOG_MD_INCL_AZIM)
        return;
    double value = 0.0;
    if (ReadCellAs(row, value, MDColumn(), layout, note))
        point.fMD = static_cast<float>(value);
    if (ReadCellAs(row, value, AZIMColumn(), layout, note))
        point.uAzimOrX.fValue = static_cast<float>(value);
    if (ReadCellAs(row, value, INCLColumn(), layout, note))
        point.fInclOrDepth = static_cast<float>(value);
}

bool CWellLog::ParseRow(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point) {
    CWellPath::ParseRow(row, point);
    ReadLogLayout(row, point, RecordLayout(), TextCellNote());
    return true;
}

bool CWellLog::ReadPoint(RowView row, COMMON::STRUCT_WELL_PATH_POINT& point,
                         const PointLayout& layout, const TextCellNote& note) {
    CWellPath::ReadPoint(row, point, layout, note);
    ReadLogLayout(row, point, layout, note);
    return true;
}

bool CWellLog::ReadPoint(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                         const PointLayout& layout, const TextCellNote& note) {
    CWellPath::ReadPoint(row, point, layout, note);
    ReadLogLayout(row, point, layout, note);
    return true;
}

bool CWellLog::SetCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves) {
    if (curves.empty() || m_pCurves == nullptr)
        return false;
    m_pCurves->lstCurves = curves;
    return true;
}

void CWellLog::SetNullValues(const std::vector<float>& nullValues) {
    if (m_pCurves != nullptr)
        m_pCurves->vecNullValues = nullValues;
}

void CWellLog::SetGroupName(const std::wstring& name) {
    if (m_pCurves != nullptr)
        m_pCurves->strGroupName = name;
}

void CWellLog::SetGroupMode(std::int32_t mode) {
    if (m_pCurves != nullptr)
        m_pCurves->nGroupMode = mode;
}

void CWellLog::SetSkipNullValues(bool skip) {
    if (m_pCurves != nullptr)
        m_pCurves->bSkipNullValues = skip;
}

void CWellLog::SetWithWellPath(bool withPath) {
    if (m_pCurves != nullptr)
        m_pCurves->bWithWellPath = withPath;
}

bool CWellLog::TakeChoices(const welldata::WellLogChoices& choices) {
    SetSkipNullValues(choices.skipNullValues);
    std::list<COMMON::STRUCT_CURVE_ITEM> curves = choices.curves;
    CurveUnitNormalizer(welldata::LogImport::SingleWell).Normalize(curves);
    if (CurveUnitNormalizer::DepthCurveProblem(CurveUnitNormalizer::CountDepthCurves(curves)))
        return false;
    SetCurves(curves);
    SetUserCurveList(true);
    // The single well dialog names no group; a host may.
    TakeSettingsPage(choices, !choices.groupName.empty());
    SetConvertUnits(choices.convertUnits);
    if (choices.convertUnits) {
        SetCoorUnit(choices.coordinateUnit);
        SetDepthUnit(choices.depthUnit);
    }
    SetHasNullValue(choices.path.hasNullValue);
    SetNullValue(choices.path.nullValue);
    SetDataType(choices.path.dataType);
    const bool loadPath = choices.withWellPath && welldata::IsAssignmentComplete(choices.path);
    SetWithWellPath(loadPath);
    if (loadPath)
        TakePathColumns(choices.path);
    return true;
}

bool CWellLog::TakeMultiWellChoices(const welldata::WellLogChoices& choices) {
    std::list<COMMON::STRUCT_CURVE_ITEM> curves = choices.curves;
    CurveUnitNormalizer(welldata::LogImport::MultiWell).Normalize(curves);
    if (CurveUnitNormalizer::DepthCurveProblem(CurveUnitNormalizer::CountDepthCurves(curves)))
        return false;
    TakeSettingsPage(choices, true);
    SetCurves(curves);
    return true;
}

void CWellLog::TakeSettingsPage(const welldata::WellLogChoices& choices, bool withGroupName) {
    SetNullValues(choices.nullValues);
    if (withGroupName)
        SetGroupName(choices.groupName);
    SetGroupMode(choices.groupMode);
    SetDepthReference(choices.depthReference);
    if (choices.depthReference == DEPTH_REF_OTHER)
        SetReferenceElevation(choices.referenceElevation);
}

void CWellLog::TakePathColumns(const welldata::PathColumnAssignment& path) {
    // The MD of a TVD or X, Y, Z layout comes first; the MD of an MD, INCL,
    // AZIM layout is among its own columns.
    const bool separateMd = path.dataType >= PATH_TVD_DX_DY && path.dataType <= PATH_X_Y_Z;
    if (separateMd)
        SetMDColumn(LoaderColumn(path.Column(welldata::PathColumn::Md)));
    // Another data type hands no columns and leaves the MD-present flag.
    if (path.dataType != PATH_MD_INCL_AZIM && TakeLayoutColumns(path))
        SetHasMD(true);
}

void CWellLog::ReplaceNull(double& value, const std::vector<float>& nullValues) {
    for (auto null = nullValues.rbegin(); null != nullValues.rend(); ++null) {
        if (std::fabs(value - static_cast<double>(*null)) <= kNullTolerance) {
            value = welldata::kNullValue;
            return;
        }
    }
}

CWellLog::NullReplacer CWellLog::MakeNullReplacer(const std::vector<float>& nullValues) {
    return boost::bind(&CWellLog::ReplaceNull, this, boost::placeholders::_1, nullValues);
}

void CWellLog::CopySettingsFrom(const CWellLog& other) {
    CWellPath::CopySettingsFrom(other);
    m_bUserCurveList = other.m_bUserCurveList;
}

std::list<COMMON::STRUCT_CURVE_ITEM> CWellLog::LasCurves(const CLasSection& curveSection) {
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    for (int i = 0; i < curveSection.GetItemCount(); ++i) {
        const CLasItem& line = *curveSection.GetItem(i);
        COMMON::STRUCT_CURVE_ITEM curve;
        curve.nColumn = i;
        curve.bLogarithmic = false;
        curve.strUnit = line.strUnit;
        curve.strName = welldata::LasCurveName(line.strMnemonic);
        curve.strType = curve.strName;
        curves.push_back(std::move(curve));
    }
    return curves;
}

std::vector<float> CWellLog::LasNullValues(const CLasSectionTable& sections) {
    std::vector<float> nullValues;
    const CLasSection* well = sections.FindSection(L"~W");
    const CLasItem* null = well != nullptr ? well->FindItem(L"NULL") : nullptr;
    if (null != nullptr)
        nullValues.push_back(static_cast<float>(welldata::LenientToDouble(null->strValue)));
    return nullValues;
}

std::vector<int> CWellLog::LasCurveColumns(int curveCount) const {
    // Without a dialog's list the curves are the file's own, in file order.
    std::vector<int> columns;
    if (!HasUserCurveList()) {
        columns.resize(static_cast<size_t>(std::max(curveCount, 0)));
        std::iota(columns.begin(), columns.end(), 0);
        return columns;
    }
    for (const COMMON::STRUCT_CURVE_ITEM& curve : m_pCurves->lstCurves) {
        if (static_cast<int>(columns.size()) >= curveCount)
            break;
        columns.push_back(curve.nColumn - 1);
    }
    return columns;
}

std::vector<int> CWellLog::TableCurveColumns() const {
    std::vector<int> columns;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : m_pCurves->lstCurves)
        columns.push_back(curve.nColumn - 1);
    return columns;
}

void CWellLog::ConvertLasCurve(COMMON::STRUCT_CURVE_ITEM& curve) const {
    if (welldata::IsDepthCurveType(curve.strType))
        Scale(curve.vecValues, DepthFactor());
    else if (welldata::IsCoordinateCurveType(curve.strType))
        Scale(curve.vecValues, CoorFactor());
    else
        return;
    curve.strUnit = L"M";
}

void CWellLog::ConvertTableCurve(COMMON::STRUCT_CURVE_ITEM& curve) const {
    if (EqualsNoCase(curve.strType, L"DEPTH"))
        Scale(curve.vecValues, DepthFactor());
}

RowConsumer& CWellLog::LasReadConsumer() {
    // LoadLas reads the file again itself for a dialog's curves or a path.
    m_pColumns->ForLas(!HasUserCurveList() && !m_pCurves->bWithWellPath);
    return *m_pColumns;
}

std::vector<std::vector<float>> CWellLog::ColumnValues(const std::vector<int>& columns,
                                                       const NullReplacer& replacer) {
    const CDataFileReader* reader = Reader();
    if (m_pColumns && m_pColumns->IsCollecting() &&
        m_pColumns->ReadSerial() == reader->GetReadSerial() && m_pColumns->Columns() == columns)
        return m_pColumns->TakeValues();
    return reader->GetColumns(columns, replacer);
}

bool CWellLog::LoadLas() {
    if (m_pCurves == nullptr)
        return false;
    if (m_pCurves->bWithWellPath) {
        if (m_pColumns)
            m_pColumns->ForLas(true);
        if (!LoadPathWith(m_pColumns.get()))
            return false;
    }
    CDataFileReader* reader = Reader();
    if (!welldata::IsReadable(reader))
        return false;
    // Reading by name has just read the file; a dialog's preview has not.
    if (!m_pCurves->bWithWellPath && HasUserCurveList()) {
        m_pColumns->ForLas(true);
        if (!reader->Read(CDataFileReader::kReadAll, *m_pColumns))
            return false;
    }
    const CLasSectionTable* sections = reader->GetLasSections();
    const CLasSection* curveSection = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
    if (curveSection == nullptr)
        return false;
    const int curveCount = curveSection->GetItemCount();
    if (!HasUserCurveList())
        m_pCurves->lstCurves = LasCurves(*curveSection);

    std::vector<std::vector<float>> values =
        ColumnValues(LasCurveColumns(curveCount), MakeNullReplacer(LasNullValues(*sections)));
    StepProgress progress(reader->GetProgressCtrl(), curveCount, true);
    auto curve = m_pCurves->lstCurves.begin();
    for (size_t i = 0; i < values.size(); ++i, ++curve) {
        progress.Advance(static_cast<long long>(i));
        curve->vecValues = std::move(values[i]);
        if (GetConvertUnits())
            ConvertLasCurve(*curve);
    }
    return true;
}

bool CWellLog::LoadTable() {
    CDataFileReader* reader = Reader();
    if (!welldata::IsReadable(reader) || m_pCurves == nullptr || m_pCurves->lstCurves.empty())
        return false;
    // With a well path, LoadPath has just read the file again.
    if (!m_pCurves->bWithWellPath) {
        m_pColumns->ForTable();
        if (!reader->Read(CDataFileReader::kReadAll, *m_pColumns))
            return false;
    }
    std::vector<std::vector<float>> values =
        ColumnValues(TableCurveColumns(), MakeNullReplacer(m_pCurves->vecNullValues));
    StepProgress progress(reader->GetProgressCtrl(), static_cast<long long>(values.size()), false);
    auto curve = m_pCurves->lstCurves.begin();
    for (size_t i = 0; i < values.size(); ++i, ++curve) {
        progress.Advance(static_cast<long long>(i));
        curve->vecValues = std::move(values[i]);
        if (GetConvertUnits())
            ConvertTableCurve(*curve);
    }
    return true;
}

bool CWellLog::LoadLog() {
    if (m_pCurves != nullptr && m_pCurves->bWithWellPath) {
        if (m_pColumns)
            m_pColumns->ForTable();
        if (!LoadPathWith(m_pColumns.get()))
            return false;
    }
    return LoadTable();
}
