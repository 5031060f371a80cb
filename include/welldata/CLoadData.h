// The load object a host builds for one kind of load. It owns a data file reader
// and one loader of each kind, all bound to its own records; the host runs an
// entry point and reads the records back by reference.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"
#include "welldata/ILoadDataInterface.h"

#include <deque>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CProgressCtrl;
class CDataFileReader;
class CWellHead;
class CWellPath;
class CWellLog;
class CRockCoreAnalyse;
class CRockCoreDescribe;

class WELLDATA_API CLoadData {
public:
    using RowTable = std::deque<std::vector<std::wstring>>;

    // Stores `type` as the process-wide load type (the last constructed object's
    // type applies to every object) and creates the reader and the loaders.
    explicit CLoadData(COMMON::LOAD_DATA_TYPE type = COMMON::LDT_WELL_HEAD,
                       CProgressCtrl* progress = nullptr);
    // Copies the records deeply; the copy gets its own reader and loaders, with
    // the same settings, bound to its own records.
    CLoadData(const CLoadData& other);
    CLoadData& operator=(const CLoadData& other);
    ~CLoadData();

    // Loads one LAS 2.0 file by name with every curve it holds. May ask the unit
    // question (see welldata/UnitQuestion.h); opens no other dialog.
    bool ReadFile(std::wstring& path);

    std::wstring& GetLoadFileName() { return m_strLoadFileName; }
    COMMON::STRUCT_WELL_HEAD& GetSingleWellHead() { return m_stSingleWellHead; }
    std::list<COMMON::STRUCT_WELL_HEAD>& GetWellHead() { return m_lstWellHeads; }
    COMMON::STRUCT_WELL_PATH& GetWellPath() { return m_stWellPath; }
    COMMON::STRUCT_WELL_CURVE& GetWellLog() { return m_stWellCurve; }
    std::list<COMMON::STRUCT_CURVE_ITEM>& GetRockCoreAnalyse() { return m_lstRockCoreAnalyse; }
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& GetRockCoreDescribe() { return m_stRockCoreDescribe; }
    // The reader's row table; null when there is no reader.
    RowTable* GetData();

    void SetDefaultFilterFileType(int type) { m_nDefaultFilterType = type; }
    void SetIsBatchLoadFile(bool batch);
    void SetLoadDataFormat(COMMON::WELL_LOG_DATA_FORMAT format);
    void SetWellCurveUnitsInfo(const bool& settled, const COMMON::ENUM_COOR_UNIT& coorUnit,
                               const COMMON::ENUM_COOR_UNIT& depthUnit);
    void GetWellCurveUnitsInfo(bool& settled, COMMON::ENUM_COOR_UNIT& coorUnit,
                               COMMON::ENUM_COOR_UNIT& depthUnit) const;
    void SetWellHead(const wchar_t* name, double x, double y, float kb, float topDepth,
                     float bottomDepth);
    // The X, Y and name columns the well head loader used; -1 where unknown.
    bool GetWellHeadTable(int& xColumn, int& yColumn, int& nameColumn) const;

    void DeleteWellHead();
    void DeleteWellPath();
    void DeleteWellLog();
    void DeleteRockCoreAnalyse();
    void DeleteRockCoreDescribe();

    int GetFileType() const { return m_nFileType; }
    int GetDefaultFilterFileType() const { return m_nDefaultFilterType; }
    // The type of the most recently constructed load object.
    static COMMON::LOAD_DATA_TYPE GetProcessLoadType();

private:
    void CreateWorkers();
    void CopyRecordsFrom(const CLoadData& other);
    void CopyWorkerSettingsFrom(const CLoadData& other);
    // Takes the units of the LAS file's depth and coordinate curves and asks the
    // unit question when they are not metres.
    void SettleLasUnits(const std::wstring& path);

    std::wstring m_strLoadFileName;
    std::int32_t m_nFileType = 1;
    std::int32_t m_nDefaultFilterType = 1;
    bool m_bUnitsSettled = false;
    COMMON::ENUM_COOR_UNIT m_eCoorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_eDepthUnit = COMMON::COOR_UNIT_M;
    COMMON::STRUCT_WELL_HEAD m_stSingleWellHead;
    std::list<COMMON::STRUCT_WELL_HEAD> m_lstWellHeads;
    COMMON::STRUCT_WELL_PATH m_stWellPath;
    COMMON::STRUCT_WELL_CURVE m_stWellCurve;
    std::list<COMMON::STRUCT_CURVE_ITEM> m_lstRockCoreAnalyse;
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL m_stRockCoreDescribe;
    CProgressCtrl* m_pProgress = nullptr;
    std::unique_ptr<CDataFileReader> m_pReader;
    std::unique_ptr<CWellHead> m_pWellHeadLoader;
    std::unique_ptr<CWellPath> m_pWellPathLoader;
    std::unique_ptr<CWellLog> m_pWellLogLoader;
    std::unique_ptr<CRockCoreAnalyse> m_pRockCoreAnalyseLoader;
    std::unique_ptr<CRockCoreDescribe> m_pRockCoreDescribeLoader;
};
