// Turns the records the loaders fill into the tables the command reports and
// plots: one column per curve, path quantity, well head field or core column.
#pragma once

#include "DataTable.h"
#include "welldata/Common.h"

#include <list>
#include <string>

class RecordTables {
public:
    // The optional well head fields a load used.
    struct HeadFields {
        bool wellType = false;
        bool kb = false;
        bool topDepth = false;
        bool bottomDepth = false;
    };

    static DataTable WellLog(const std::wstring& file, const std::string& kind,
                             const COMMON::STRUCT_WELL_CURVE& record);
    // The points in the layout of the record's data type; MD only with `hasMd`.
    static DataTable WellPath(const std::wstring& file, const std::string& kind,
                              const COMMON::STRUCT_WELL_PATH& record, bool hasMd);
    static DataTable WellHeads(const std::wstring& file,
                               const std::list<COMMON::STRUCT_WELL_HEAD>& heads,
                               const HeadFields& used);
    static DataTable RockCoreAnalysis(const std::wstring& file,
                                      const std::list<COMMON::STRUCT_CURVE_ITEM>& columns);
    static DataTable RockCoreDescription(const std::wstring& file,
                                         const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record);

    // "MD, INCL, AZIM" and so on, for a path data type.
    static std::wstring PathLayoutName(int dataType);
};
