// Turns the row table of a well log file (LAS 2.0 or a text table) into the load
// object's curve group: one curve per column, nulls replaced by the null value, depth and
// coordinate curves converted to metres on request. A log file may also carry a
// well path, which the inherited path loader reads from the same rows.
#pragma once

#include "loaders/CWellPath.h"
#include "welldata/Common.h"

#include <boost/function.hpp>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

struct CLasSection;
class CLasSectionTable;
class RowConsumer;

class CWellLog : public CWellPath {
public:
    CWellLog(CDataFileReader* reader, COMMON::STRUCT_WELL_PATH* path,
             COMMON::STRUCT_WELL_CURVE* curves);
    ~CWellLog() override;

    // The path loader's row parse, plus MD, AZIM and INCL for data type 4.
    bool ParseRow(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point) override;
    bool ReadPoint(RowView row, COMMON::STRUCT_WELL_PATH_POINT& point, const PointLayout& layout,
                   const TextCellNote& note) override;
    bool ReadPoint(const Row& row, COMMON::STRUCT_WELL_PATH_POINT& point, const PointLayout& layout,
                   const TextCellNote& note) override;

    // Replaces the curve list by a copy of `curves`; an empty list changes nothing
    // and gives false.
    bool SetCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves);
    void SetNullValues(const std::vector<float>& nullValues);
    void SetGroupName(const std::wstring& name);
    void SetGroupMode(std::int32_t mode);
    void SetSkipNullValues(bool skip);
    void SetWithWellPath(bool withPath);
    // Set by an import dialog that has put the curves to load into the record.
    void SetUserCurveList(bool userList) { m_bUserCurveList = userList ? 1 : 0; }
    bool HasUserCurveList() const { return m_bUserCurveList != 0; }

    // Takes the single well log dialog's choices in the order its OK hands
    // them over: the skip flag; then, only when exactly one curve is the depth
    // (else false), the curves with their units normalised (and the user
    // curve list flag), the settings page, the unit page, the path's null
    // value and data type, and when the path is asked for and complete, its
    // columns with MD present.
    bool TakeChoices(const welldata::WellLogChoices& choices);
    using CWellPath::TakeChoices;
    // The multi-well dialog's hand-over, only when exactly one curve is the
    // depth (else false, handing nothing): the settings page with the group
    // name, empty or not, then the curves with their units normalised.
    bool TakeMultiWellChoices(const welldata::WellLogChoices& choices);

    // Loads the curves of a LAS file: every curve of its "~C" section, or the
    // curves a dialog chose; nulls from the "~W" section's NULL item. The rows
    // come from the reader's last read when LasReadConsumer took them, else
    // from the rows the reader keeps; LoadLas reads the file itself when a
    // dialog chose the curves or the file carries a path.
    bool LoadLas();
    // What a read of the LAS file that LoadLas follows hands its rows to, so
    // that LoadLas needs no rows kept. Needs a reader.
    RowConsumer& LasReadConsumer();
    // Loads the chosen curves of a text table, with the user's null values.
    bool LoadTable();
    // The well path first when the file carries one, then the table's curves.
    bool LoadLog();

    // Sets `value` to the null value when it lies within 0.001 of one of
    // `nullValues`.
    void ReplaceNull(double& value, const std::vector<float>& nullValues);

    void CopySettingsFrom(const CWellLog& other);

    // What the loads do with each curve, whichever way the rows come.
    using NullReplacer = boost::function<void(double&)>;
    // ReplaceNull bound to a copy of `nullValues`: the column extraction's callback.
    NullReplacer MakeNullReplacer(const std::vector<float>& nullValues);
    // Every curve of a "~C" section, named by its mnemonic ("DEPT" is "DEPTH").
    static std::list<COMMON::STRUCT_CURVE_ITEM> LasCurves(const CLasSection& curveSection);
    // The "~W" section's NULL value, when there is one.
    static std::vector<float> LasNullValues(const CLasSectionTable& sections);
    // The 0-based columns of the record's first `curveCount` curves in a LAS file.
    std::vector<int> LasCurveColumns(int curveCount) const;
    // The 0-based columns of the record's curves in a text table.
    std::vector<int> TableCurveColumns() const;
    // Converts a LAS curve whose type names a depth or a coordinate to metres.
    void ConvertLasCurve(COMMON::STRUCT_CURVE_ITEM& curve) const;
    // Converts a text-table curve of type "DEPTH" to metres (its unit stays).
    void ConvertTableCurve(COMMON::STRUCT_CURVE_ITEM& curve) const;

private:
    class CurveColumns;

    // The settings page's choices; the group name only when `withGroupName`.
    void TakeSettingsPage(const welldata::WellLogChoices& choices, bool withGroupName);
    void TakePathColumns(const welldata::PathColumnAssignment& path);
    // Reads the LAS part of a data type 4 row.
    template <class Cells>
    void ReadLogLayout(const Cells& row, COMMON::STRUCT_WELL_PATH_POINT& point,
                       const PointLayout& layout, const TextCellNote& note) const;
    // The values of `columns` that the last read handed over, when they were
    // taken; else those of the rows the reader keeps.
    std::vector<std::vector<float>> ColumnValues(const std::vector<int>& columns,
                                                 const NullReplacer& replacer);

    std::uint8_t m_bUserCurveList = 0;
    COMMON::STRUCT_WELL_CURVE* m_pCurves = nullptr;
    // Takes the curves' columns from the rows of a read; there when there is a reader.
    std::unique_ptr<CurveColumns> m_pColumns;
};
