// welldata log FILE...: loads well log text tables through the well log loader
// with the choices of the single well log import dialog: which columns are
// curves, their types and units, the null values, the curve group, the file's
// depth unit and an optional well path carried in the same columns.
#pragma once

#include "LoadCommand.h"
#include "PathLayoutChoice.h"
#include "welldata/Common.h"

#include <list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CDataFileReader;
class DataTable;
class TablePreview;

class LogCommand : public LoadCommand {
public:
    LogCommand() : LoadCommand("log", "load well log text tables"), m_pathLayout(true) {}

    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    using CurveList = std::list<COMMON::STRUCT_CURVE_ITEM>;

    // The curves to load: the page's list, narrowed and retyped by the options.
    CurveList ChooseCurves(const CDataFileReader& reader, const TablePreview& preview) const;
    static COMMON::STRUCT_CURVE_ITEM& CurveAt(CurveList& curves, int column,
                                              const std::string& option);
    // Shows the dialog's message and throws unless exactly one curve is the depth.
    static int DepthColumn(const CurveList& curves);
    void AddProperties(DataTable& table) const;

    std::optional<std::string> m_curves;
    std::vector<std::pair<std::string, std::wstring>> m_types;
    std::vector<std::pair<std::string, std::wstring>> m_units;
    std::optional<std::string> m_depthColumn;
    std::vector<float> m_nullValues{-9999.0f};
    bool m_skipNulls = false;
    std::optional<std::wstring> m_groupName;
    std::optional<COMMON::ENUM_COOR_UNIT> m_depthUnit;
    std::optional<COMMON::ENUM_COOR_UNIT> m_coorUnit;
    PathLayoutChoice m_pathLayout;
};
