// The load object a host builds for one kind of load. It owns a data file reader
// and one loader of each kind, all bound to its own records; the host runs an
// entry point and reads the records back by reference.
//
// A host without dialogs loads a text table with ReadFile and the choices an
// import dialog would collect (welldata/LoadChoices.h; welldata/TablePreview.h
// suggests them from the file): the choices go to the loader exactly as the
// dialog's OK hands them over, nothing is shown, and GetLastFailure says why a
// load failed.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"
#include "welldata/ILoadDataInterface.h"
#include "welldata/LasHeader.h"
#include "welldata/LoadChoices.h"
#include "welldata/LoadFailure.h"
#include "welldata/LoadReport.h"

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
    // question (see welldata/UnitQuestion.h) and shows the reader's messages
    // (none in batch mode); opens no other dialog. Keeps the file's header
    // sections for GetLasHeader.
    bool ReadFile(const std::wstring& path);

    // Headless loads of text tables. Each checks the choices as the dialog's
    // OK does, hands them to its loader and loads; the records are those of
    // the matching getter. They show nothing and ask nothing.
    bool ReadFile(const std::wstring& path, const welldata::WellHeadChoices& choices);
    bool ReadFile(const std::wstring& path, const welldata::PathColumnAssignment& assignment);
    // A log table: its header is the first line that contains "depth". The
    // well path the columns carry loads too when asked for.
    bool ReadFile(const std::wstring& path, const welldata::WellLogChoices& choices);
    bool ReadFile(const std::wstring& path, const welldata::CoreAnalysisChoices& choices);
    bool ReadFile(const std::wstring& path, const welldata::CoreDescriptionChoices& choices);

    // Interactive loads, inside a Qt application: the library's file dialog,
    // then the import dialog of the kind of data, then its loader. ReadFile()
    // loads one file of the process-wide load type into the records; the sink
    // version loads many well path files with one set of column choices and
    // hands each path to the sink; ReadFileWis only lets the user pick a WIS
    // file; ReadFileMuilti prepares the curve settings of a multi-well batch.
    bool ReadFile();
    bool ReadFile(COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH>* sink);
    bool ReadFileWis(std::wstring& path);
    bool ReadFileMuilti(std::vector<std::wstring>& list, bool listHoldsFiles);

    // Why the last load of this object failed; no error after a success.
    const welldata::LoadFailure& GetLastFailure() const { return m_lastFailure; }
    // What the last load's read did to the file's text: rows padded or longer
    // than the header, cells read as 0, the declared units, binary bytes.
    // Kept after the rows are cleared, until the next read.
    const welldata::LoadReport& GetLoadReport() const;
    // The header sections of the LAS file last read by name, in file order.
    const std::vector<welldata::LasHeaderSection>& GetLasHeader() const { return m_lasHeader; }

    std::wstring& GetLoadFileName() { return m_strLoadFileName; }
    const std::wstring& GetLoadFileName() const { return m_strLoadFileName; }
    COMMON::STRUCT_WELL_HEAD& GetSingleWellHead() { return m_stSingleWellHead; }
    const COMMON::STRUCT_WELL_HEAD& GetSingleWellHead() const { return m_stSingleWellHead; }
    std::list<COMMON::STRUCT_WELL_HEAD>& GetWellHead() { return m_lstWellHeads; }
    const std::list<COMMON::STRUCT_WELL_HEAD>& GetWellHead() const { return m_lstWellHeads; }
    COMMON::STRUCT_WELL_PATH& GetWellPath() { return m_stWellPath; }
    const COMMON::STRUCT_WELL_PATH& GetWellPath() const { return m_stWellPath; }
    COMMON::STRUCT_WELL_CURVE& GetWellLog() { return m_stWellCurve; }
    const COMMON::STRUCT_WELL_CURVE& GetWellLog() const { return m_stWellCurve; }
    std::list<COMMON::STRUCT_CURVE_ITEM>& GetRockCoreAnalyse() { return m_lstRockCoreAnalyse; }
    const std::list<COMMON::STRUCT_CURVE_ITEM>& GetRockCoreAnalyse() const {
        return m_lstRockCoreAnalyse;
    }
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& GetRockCoreDescribe() { return m_stRockCoreDescribe; }
    const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& GetRockCoreDescribe() const {
        return m_stRockCoreDescribe;
    }
    // The reader's row table; null when there is no reader.
    RowTable* GetData();
    const RowTable* GetData() const;

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
    friend class CInteractiveLoad;

    WELLDATA_LOCAL void CreateWorkers();
    WELLDATA_LOCAL void CopyRecordsFrom(const CLoadData& other);
    WELLDATA_LOCAL void CopyWorkerSettingsFrom(const CLoadData& other);
    WELLDATA_LOCAL void KeepLasHeader();
    // Points the reader at a text table and runs `load` with messages kept
    // quiet; records why it failed. `keepRows` leaves the rows in the reader.
    template <class Load>
    WELLDATA_LOCAL bool ReadTable(const std::wstring& path, bool headerSearch, bool keepRows,
                                  Load load);
    WELLDATA_LOCAL bool Refuse(welldata::LoadError error, const wchar_t* message);
    // Records why the load failed: the reader's failure, or no data.
    WELLDATA_LOCAL void RecordFailure();

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
    welldata::LoadFailure m_lastFailure;
    std::vector<welldata::LasHeaderSection> m_lasHeader;
};
