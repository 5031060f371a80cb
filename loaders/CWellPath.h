// Turns the row table of a well path file into the load object's well path
// record: one point per data row, in the file's own layout, converted to metres
// when the file's units differ, and checked against the usual null markers.
#pragma once

#include "reader/RowConsumer.h"
#include "reader/RowTable.h"
#include "reader/TextCellNote.h"
#include "welldata/Common.h"
#include "welldata/LoadChoices.h"

#include <cstdint>

class CDataFileReader;

class CWellPath {
public:
    // Binds the loader to the load object's reader and path record (both
    // borrowed) and resets the record.
    CWellPath(CDataFileReader* reader, COMMON::STRUCT_WELL_PATH* path);
    virtual ~CWellPath() = default;

    void SetDataType(std::int32_t type) { m_nDataType = type; }
    std::int32_t GetDataType() const { return m_nDataType; }
    // Columns are 0-based; 65535 (a page's "none" less one) is never found in a row.
    void SetMDColumn(std::uint16_t column) { m_nMDColumn = column; }
    void SetINCLColumn(std::uint16_t column) { m_nINCLColumn = column; }
    void SetAZIMColumn(std::uint16_t column) { m_nAZIMColumn = column; }
    void SetTVDColumn(std::uint16_t column) { m_nTVDColumn = column; }
    void SetDXColumn(std::uint16_t column) { m_nDXColumn = column; }
    void SetDYColumn(std::uint16_t column) { m_nDYColumn = column; }
    void SetXColumn(std::uint16_t column) { m_nXColumn = column; }
    void SetYColumn(std::uint16_t column) { m_nYColumn = column; }
    void SetZColumn(std::uint16_t column) { m_nZColumn = column; }
    void SetHasNullValue(bool hasNull) { m_bHasNullValue = hasNull; }
    void SetHasMD(bool hasMD) { m_bHasMD = hasMD; }
    void SetNullValue(float nullValue) { m_fNullValue = nullValue; }
    void SetConvertUnits(bool convert) { m_bConvertUnits = convert; }
    bool GetConvertUnits() const { return m_bConvertUnits; }
    void SetReferenceElevation(float elevation) { m_fReferenceElevation = elevation; }
    void SetAngleUnit(std::int32_t unit) { m_nAngleUnit = unit; }
    std::int32_t GetAngleUnit() const { return m_nAngleUnit; }
    void SetDepthReference(std::int32_t reference) { m_nDepthReference = reference; }
    void SetCoorUnit(std::int32_t unit) { m_nCoorUnit = unit; }
    void SetDepthUnit(std::int32_t unit) { m_nDepthUnit = unit; }
    void SetAzimuthToTrueNorth(bool toTrueNorth) { m_bAzimuthToTrueNorth = toTrueNorth; }

    // Takes the well path dialog's choices in the order its OK hands them over:
    // the units (even when not converting), the flags, the null value and the
    // data type, then the MD column when there is one and the data type's
    // columns, each less one (a column left at 0 arrives as 65535).
    void TakeChoices(const welldata::PathColumnAssignment& assignment);

    // What a row is read with besides the loader's columns: the layout and the
    // null value of the path record (LoadPath copies the loader's into it).
    struct PointLayout {
        std::int32_t dataType = PATH_TVD_DX_DY;
        bool hasNullValue = false;
        float nullValue = 0.0f;
    };
    // The loader's own, as a load reads with them.
    PointLayout LoadLayout() const;

    // Reads one row into `point` with the path record's layout, noting no cell;
    // false only when that data type is above 3.
    virtual bool ParseRow(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point);
    // Reads one row into `point` as a load does, with `layout`; a cell that is
    // not a number goes to `note`. False when the row gives no point.
    virtual bool ReadPoint(RowView row, COMMON::STRUCT_WELL_PATH_POINT& point,
                           const PointLayout& layout, const TextCellNote& note);
    virtual bool ReadPoint(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                           const PointLayout& layout, const TextCellNote& note);

    // One cell as a double (0 when missing or not a number, then false); a cell
    // matching the path record's null value becomes the null value.
    bool ReadCell(const Row& row, double& value, std::uint16_t column) const;

    // True when none of the point's input fields holds a null marker.
    static bool IsValidPathPoint(std::int32_t dataType,
                                 const COMMON::STRUCT_WELL_PATH_POINT& point);

    // Reads the whole file again and rebuilds the path record's points.
    bool LoadPath();
    // The message of a point that holds a null marker.
    static const wchar_t* NullInPathMessage();

    // The factors to metres of the file's depth and coordinate units.
    double DepthFactor() const;
    double CoorFactor() const;

    // Copies every setting of `other`, keeping this loader's reader and record.
    void CopySettingsFrom(const CWellPath& other);

protected:
    CWellPath(const CWellPath&) = default;
    CWellPath& operator=(const CWellPath&) = default;

    // The path record's layout.
    PointLayout RecordLayout() const;
    // LoadPath, handing each row of its read to `alongside` too (when not
    // null), for the curves of a log file that carries a path.
    bool LoadPathWith(RowConsumer* alongside);
    // The part of a point that every path layout reads; `Cells` is a Row or a
    // RowView.
    template <class Cells>
    bool ReadLayoutCells(const Cells& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                         const PointLayout& layout, const TextCellNote& note) const;
    template <class Cells>
    bool ReadCellAs(const Cells& row, double& value, std::uint16_t column,
                    const PointLayout& layout, const TextCellNote& note) const;

    // Hands over the columns of the assignment's data type (INCL, AZIM and MD
    // for an MD, INCL, AZIM layout); false, handing nothing, for another type.
    bool TakeLayoutColumns(const welldata::PathColumnAssignment& assignment);
    // A 1-based column of a choice as the loader keeps it.
    static std::uint16_t LoaderColumn(std::uint16_t choice) {
        return static_cast<std::uint16_t>(choice - 1);
    }
    CDataFileReader* Reader() const { return m_pReader; }
    COMMON::STRUCT_WELL_PATH* PathRecord() const { return m_pPath; }
    std::uint16_t MDColumn() const { return m_nMDColumn; }
    std::uint16_t INCLColumn() const { return m_nINCLColumn; }
    std::uint16_t AZIMColumn() const { return m_nAZIMColumn; }
    void ConvertPointUnits(COMMON::STRUCT_WELL_PATH_POINT& point, std::int32_t dataType) const;

private:
    std::uint16_t m_nMDColumn = 0;
    std::uint16_t m_nINCLColumn = 0;
    std::uint16_t m_nAZIMColumn = 0;
    std::uint16_t m_nTVDColumn = 0;
    std::uint16_t m_nDXColumn = 0;
    std::uint16_t m_nDYColumn = 0;
    std::uint16_t m_nXColumn = 0;
    std::uint16_t m_nYColumn = 0;
    std::uint16_t m_nZColumn = 0;
    std::uint16_t m_nSpareColumn = 0;
    bool m_bHasNullValue = false;
    bool m_bHasMD = false;
    float m_fNullValue = 0.0f;
    bool m_bConvertUnits = false;
    float m_fReferenceElevation = 0.0f;
    std::int32_t m_nAngleUnit = ANGLE_DEGREES;
    std::int32_t m_nCoorUnit = COMMON::COOR_UNIT_M;
    std::int32_t m_nDepthUnit = COMMON::COOR_UNIT_M;
    std::int32_t m_nDataType = PATH_TVD_X_Y;
    CDataFileReader* m_pReader = nullptr;
    std::int32_t m_nDepthReference = DEPTH_REF_KELLY_BUSHING;
    bool m_bAzimuthToTrueNorth = false;
    COMMON::STRUCT_WELL_PATH* m_pPath = nullptr;
};
