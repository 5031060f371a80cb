#include "loaders/CWellPath.h"

#include "interface/CoorUnit.h"
#include "loaders/PathNullMarker.h"
#include "loaders/PathPointCollector.h"
#include "platform/ReadableMemory.h"
#include "platform/StepProgress.h"
#include "platform/Translation.h"
#include "reader/CDataFileReader.h"
#include "reader/StrictNumber.h"
#include "welldata/MessageBox.h"

#include <cmath>

namespace {

constexpr double kNullTolerance = 0.001;
const welldata::CatalogueText kNullInPathMessage =
    WELLDATA_CATALOGUE_TEXT("CWellPath", "轨迹数据中含有空值，请检查之后重试。");

void Scale(float& value, double factor) {
    value = static_cast<float>(value * factor);
}
void Scale(double& value, double factor) {
    value *= factor;
}

} // namespace

CWellPath::CWellPath(CDataFileReader* reader, COMMON::STRUCT_WELL_PATH* path)
    : m_pReader(reader), m_pPath(path) {
    if (m_pPath != nullptr) {
        m_pPath->bHasNullValue = false;
        m_pPath->fNullValue = 0.0f;
        m_pPath->nAngleUnit = ANGLE_DEGREES;
        m_pPath->nDataType = PATH_TVD_DX_DY;
    }
}

void CWellPath::CopySettingsFrom(const CWellPath& other) {
    CDataFileReader* reader = m_pReader;
    COMMON::STRUCT_WELL_PATH* path = m_pPath;
    *this = other;
    m_pReader = reader;
    m_pPath = path;
}

void CWellPath::TakeChoices(const welldata::PathColumnAssignment& assignment) {
    using welldata::PathColumn;
    SetAngleUnit(assignment.angleUnit);
    SetConvertUnits(assignment.convertUnits != 0);
    SetCoorUnit(assignment.coordinateUnit);
    SetDepthUnit(assignment.depthUnit);
    SetHasMD(assignment.hasMd);
    SetHasNullValue(assignment.hasNullValue);
    SetNullValue(assignment.nullValue);
    SetDataType(assignment.dataType);
    SetAzimuthToTrueNorth(assignment.azimuthTrueNorth);
    if (assignment.hasMd)
        SetMDColumn(LoaderColumn(assignment.Column(PathColumn::Md)));
    TakeLayoutColumns(assignment);
}

bool CWellPath::TakeLayoutColumns(const welldata::PathColumnAssignment& assignment) {
    using welldata::PathColumn;
    const auto column = [&](PathColumn which) { return LoaderColumn(assignment.Column(which)); };
    switch (assignment.dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        SetINCLColumn(column(PathColumn::Incl));
        SetAZIMColumn(column(PathColumn::Azim));
        SetMDColumn(column(PathColumn::Md));
        return true;
    case PATH_TVD_DX_DY:
        SetTVDColumn(column(PathColumn::Tvd));
        SetDXColumn(column(PathColumn::Dx));
        SetDYColumn(column(PathColumn::Dy));
        return true;
    case PATH_TVD_X_Y:
        SetTVDColumn(column(PathColumn::Tvd));
        SetXColumn(column(PathColumn::X));
        SetYColumn(column(PathColumn::Y));
        return true;
    case PATH_X_Y_Z:
        SetXColumn(column(PathColumn::X));
        SetYColumn(column(PathColumn::Y));
        SetZColumn(column(PathColumn::Z));
        return true;
    default:
        return false;
    }
}

double CWellPath::DepthFactor() const {
    return welldata::CoorUnitFactor(m_nDepthUnit);
}
double CWellPath::CoorFactor() const {
    return welldata::CoorUnitFactor(m_nCoorUnit);
}

CWellPath::PointLayout CWellPath::LoadLayout() const {
    return {m_nDataType, m_bHasNullValue, m_fNullValue};
}

CWellPath::PointLayout CWellPath::RecordLayout() const {
    if (m_pPath == nullptr)
        return {m_nDataType, false, 0.0f};
    return {m_pPath->nDataType, m_pPath->bHasNullValue, m_pPath->fNullValue};
}

template <class Cells>
bool CWellPath::ReadCellAs(const Cells& row, double& value, std::uint16_t column,
                           const PointLayout& layout, const TextCellNote& note) const {
    if (row.empty())
        return false;
    value = 0.0;
    if (column >= row.size())
        return false;
    if (!welldata::CellNumber(row[column], value)) {
        note(column);
        return false;
    }
    if (layout.hasNullValue &&
        std::fabs(value - static_cast<double>(layout.nullValue)) <= kNullTolerance)
        value = welldata::kNullValue;
    return true;
}

bool CWellPath::ReadCell(const Row& row, double& value, std::uint16_t column) const {
    return ReadCellAs(row, value, column, RecordLayout(), TextCellNote());
}

template <class Cells>
bool CWellPath::ReadLayoutCells(const Cells& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                                const PointLayout& layout, const TextCellNote& note) const {
    double value = 0.0;
    const auto read = [&](std::uint16_t column) {
        return ReadCellAs(row, value, column, layout, note);
    };
    if (m_bHasMD && read(m_nMDColumn))
        point.fMD = static_cast<float>(value);

    auto readFloat = [&](std::uint16_t column, float& field) {
        if (read(column))
            field = static_cast<float>(value);
    };
    auto readDouble = [&](std::uint16_t column, double& field) {
        if (read(column))
            field = value;
    };
    switch (layout.dataType) {
    case PATH_MD_INCL_AZIM:
        readFloat(m_nMDColumn, point.fMD);
        readFloat(m_nINCLColumn, point.fInclOrDepth);
        if (read(m_nAZIMColumn)) {
            // The file's azimuths are measured from east: a quarter turn moves
            // them to true north. Values past 360 are kept as they are.
            point.uAzimOrX.fValue =
                static_cast<float>(m_bAzimuthToTrueNorth ? value + 90.0 : value);
        }
        break;
    case PATH_TVD_DX_DY:
        readFloat(m_nTVDColumn, point.fInclOrDepth);
        readFloat(m_nDXColumn, point.uAzimOrX.fValue);
        readFloat(m_nDYColumn, point.uY.fValue);
        break;
    case PATH_TVD_X_Y:
        readFloat(m_nTVDColumn, point.fInclOrDepth);
        readDouble(m_nXColumn, point.uAzimOrX.dValue);
        readDouble(m_nYColumn, point.uY.dValue);
        break;
    case PATH_X_Y_Z:
        readDouble(m_nXColumn, point.uAzimOrX.dValue);
        readDouble(m_nYColumn, point.uY.dValue);
        readFloat(m_nZColumn, point.fInclOrDepth);
        break;
    default:
        return false;
    }
    if (m_bConvertUnits)
        ConvertPointUnits(point, layout.dataType);
    return true;
}

template bool CWellPath::ReadCellAs(const Row&, double&, std::uint16_t, const PointLayout&,
                                    const TextCellNote&) const;
template bool CWellPath::ReadCellAs(const RowView&, double&, std::uint16_t, const PointLayout&,
                                    const TextCellNote&) const;

bool CWellPath::ParseRow(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point) {
    return ReadLayoutCells(row, point, RecordLayout(), TextCellNote());
}

bool CWellPath::ReadPoint(RowView row, COMMON::STRUCT_WELL_PATH_POINT& point,
                          const PointLayout& layout, const TextCellNote& note) {
    return ReadLayoutCells(row, point, layout, note);
}

bool CWellPath::ReadPoint(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                          const PointLayout& layout, const TextCellNote& note) {
    return ReadLayoutCells(row, point, layout, note);
}

void CWellPath::ConvertPointUnits(COMMON::STRUCT_WELL_PATH_POINT& point,
                                  std::int32_t dataType) const {
    const double depth = DepthFactor();
    const double coor = CoorFactor();
    Scale(point.fMD, depth);
    switch (dataType) {
    case PATH_TVD_DX_DY:
        Scale(point.fInclOrDepth, depth);
        Scale(point.uAzimOrX.fValue, coor);
        Scale(point.uY.fValue, coor);
        break;
    case PATH_TVD_X_Y:
        Scale(point.fInclOrDepth, depth);
        Scale(point.uAzimOrX.dValue, coor);
        Scale(point.uY.dValue, coor);
        break;
    case PATH_X_Y_Z:
        Scale(point.uAzimOrX.dValue, coor);
        Scale(point.uY.dValue, coor);
        Scale(point.fInclOrDepth, depth);
        break;
    default: // inclination and azimuth are angles
        break;
    }
}

bool CWellPath::IsValidPathPoint(std::int32_t dataType,
                                 const COMMON::STRUCT_WELL_PATH_POINT& point) {
    double fields[3] = {};
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        fields[0] = point.uAzimOrX.fValue;
        fields[1] = point.fInclOrDepth;
        fields[2] = point.fMD;
        break;
    case PATH_TVD_DX_DY:
        fields[0] = point.fInclOrDepth;
        fields[1] = point.uAzimOrX.fValue;
        fields[2] = point.uY.fValue;
        break;
    case PATH_TVD_X_Y:
        fields[0] = point.fInclOrDepth;
        fields[1] = point.uAzimOrX.dValue;
        fields[2] = point.uY.dValue;
        break;
    case PATH_X_Y_Z:
        fields[0] = point.uAzimOrX.dValue;
        fields[1] = point.uY.dValue;
        fields[2] = point.fInclOrDepth;
        break;
    default:
        return true;
    }
    for (double field : fields) {
        if (welldata::IsPathNullMarker(field))
            return false;
    }
    return true;
}

const wchar_t* CWellPath::NullInPathMessage() {
    return welldata::TranslatedText(kNullInPathMessage);
}

bool CWellPath::LoadPath() {
    return LoadPathWith(nullptr);
}

bool CWellPath::LoadPathWith(RowConsumer* alongside) {
    if (!welldata::IsReadable(m_pReader) || m_pPath == nullptr)
        return false;
    PathPointCollector points(*this, *m_pReader);
    RowConsumerPair consumers(points, alongside);
    m_pReader->Read(CDataFileReader::kReadAll, consumers);
    const int count = points.ReadLast() ? m_pReader->GetRowCount() : 0;
    if (count == 0)
        return false;

    m_pPath->dqPoints = points.TakePoints();
    m_pPath->bHasNullValue = m_bHasNullValue;
    m_pPath->fNullValue = m_fNullValue;
    m_pPath->nAngleUnit = m_nAngleUnit;
    m_pPath->nDataType = m_nDataType;

    const long long first = static_cast<long long>(points.FirstRow());
    const long long last =
        points.NullRow() ? static_cast<long long>(*points.NullRow()) : first + count - 1;
    StepProgress(m_pReader->GetProgressCtrl(), count, true).AdvanceThrough(first, last);
    if (points.NullRow())
        return m_pReader->Fail(welldata::LoadError::NullInPath, NullInPathMessage(),
                               welldata::MessageOwner::FocusWindow, false);
    return true;
}
