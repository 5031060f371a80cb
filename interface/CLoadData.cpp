#include "welldata/CLoadData.h"

#include "interface/FailureReason.h"
#include "interface/LasUnits.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"
#include "loaders/CWellPath.h"
#include "platform/CWaitCursor.h"
#include "platform/GuiPresenters.h"
#include "platform/QuietMessages.h"
#include "reader/CDataFileReader.h"

#include <atomic>

namespace {

// The type of the most recently constructed load object; the entry points act on
// it whatever object they are called on.
std::atomic<COMMON::LOAD_DATA_TYPE> g_processLoadType{COMMON::LDT_WELL_HEAD};

} // namespace

CLoadData::CLoadData(COMMON::LOAD_DATA_TYPE type, CProgressCtrl* progress) : m_pProgress(progress) {
    g_processLoadType = type;
    m_nFileType = 1;
    m_nDefaultFilterType = 1;
    m_stWellCurve = COMMON::STRUCT_WELL_CURVE();
    m_stWellCurve.vecNullValues.assign(1, welldata::kNullValue);
    m_stWellCurve.nGroupMode = 0;
    CreateWorkers();
    m_bUnitsSettled = false;
    m_eCoorUnit = COMMON::COOR_UNIT_M;
    m_eDepthUnit = COMMON::COOR_UNIT_M;
}

CLoadData::CLoadData(const CLoadData& other) : m_pProgress(other.m_pProgress) {
    CreateWorkers();
    CopyRecordsFrom(other);
    CopyWorkerSettingsFrom(other);
}

CLoadData& CLoadData::operator=(const CLoadData& other) {
    if (this != &other) {
        CopyRecordsFrom(other);
        CopyWorkerSettingsFrom(other);
    }
    return *this;
}

CLoadData::~CLoadData() {
    DeleteWellHead();
    DeleteWellPath();
    DeleteWellLog();
    DeleteRockCoreDescribe();
    DeleteRockCoreAnalyse();
    if (m_pReader)
        m_pReader->Clear();
    m_pWellHeadLoader.reset();
    m_pWellPathLoader.reset();
    m_pWellLogLoader.reset();
    m_pRockCoreAnalyseLoader.reset();
    m_pRockCoreDescribeLoader.reset();
    m_pReader.reset();
}

void CLoadData::CreateWorkers() {
    m_pReader = std::make_unique<CDataFileReader>();
    m_pWellHeadLoader = std::make_unique<CWellHead>(m_pReader.get(), &m_lstWellHeads);
    m_pWellPathLoader = std::make_unique<CWellPath>(m_pReader.get(), &m_stWellPath);
    m_pWellLogLoader = std::make_unique<CWellLog>(m_pReader.get(), &m_stWellPath, &m_stWellCurve);
    m_pRockCoreAnalyseLoader =
        std::make_unique<CRockCoreAnalyse>(m_pReader.get(), &m_lstRockCoreAnalyse);
    m_pRockCoreDescribeLoader =
        std::make_unique<CRockCoreDescribe>(m_pReader.get(), &m_stRockCoreDescribe);
}

void CLoadData::CopyRecordsFrom(const CLoadData& other) {
    m_strLoadFileName = other.m_strLoadFileName;
    m_nFileType = other.m_nFileType;
    m_nDefaultFilterType = other.m_nDefaultFilterType;
    m_bUnitsSettled = other.m_bUnitsSettled;
    m_eCoorUnit = other.m_eCoorUnit;
    m_eDepthUnit = other.m_eDepthUnit;
    m_stSingleWellHead = other.m_stSingleWellHead;
    m_lstWellHeads = other.m_lstWellHeads;
    m_stWellPath = other.m_stWellPath;
    m_stWellCurve = other.m_stWellCurve;
    m_lstRockCoreAnalyse = other.m_lstRockCoreAnalyse;
    m_stRockCoreDescribe = other.m_stRockCoreDescribe;
    m_pProgress = other.m_pProgress;
    m_lastFailure = other.m_lastFailure;
    m_lasHeader = other.m_lasHeader;
}

void CLoadData::CopyWorkerSettingsFrom(const CLoadData& other) {
    *m_pReader = *other.m_pReader;
    m_pWellHeadLoader->CopySettingsFrom(*other.m_pWellHeadLoader);
    m_pWellPathLoader->CopySettingsFrom(*other.m_pWellPathLoader);
    m_pWellLogLoader->CopySettingsFrom(*other.m_pWellLogLoader);
    m_pRockCoreAnalyseLoader->CopySettingsFrom(*other.m_pRockCoreAnalyseLoader);
    m_pRockCoreDescribeLoader->CopySettingsFrom(*other.m_pRockCoreDescribeLoader);
}

COMMON::LOAD_DATA_TYPE CLoadData::GetProcessLoadType() {
    return g_processLoadType;
}

const welldata::LoadReport& CLoadData::GetLoadReport() const {
    return m_pReader->GetReport();
}

CLoadData::RowTable* CLoadData::GetData() {
    return m_pReader ? &m_pReader->GetRows() : nullptr;
}

const CLoadData::RowTable* CLoadData::GetData() const {
    return m_pReader ? &m_pReader->GetRows() : nullptr;
}

void CLoadData::SetIsBatchLoadFile(bool batch) {
    if (m_pReader)
        m_pReader->SetBatchLoad(batch);
}

void CLoadData::SetLoadDataFormat(COMMON::WELL_LOG_DATA_FORMAT format) {
    m_pReader->SetDataFormat(format);
}

void CLoadData::SetWellCurveUnitsInfo(const bool& settled, const COMMON::ENUM_COOR_UNIT& coorUnit,
                                      const COMMON::ENUM_COOR_UNIT& depthUnit) {
    m_bUnitsSettled = settled;
    m_eCoorUnit = coorUnit;
    m_eDepthUnit = depthUnit;
}

void CLoadData::GetWellCurveUnitsInfo(bool& settled, COMMON::ENUM_COOR_UNIT& coorUnit,
                                      COMMON::ENUM_COOR_UNIT& depthUnit) const {
    settled = m_bUnitsSettled;
    coorUnit = m_eCoorUnit;
    depthUnit = m_eDepthUnit;
}

void CLoadData::SetWellHead(const wchar_t* name, double x, double y, float kb, float topDepth,
                            float bottomDepth) {
    m_stSingleWellHead.strWellName = name != nullptr ? name : L"";
    m_stSingleWellHead.dX = x;
    m_stSingleWellHead.dY = y;
    m_stSingleWellHead.fKB = kb;
    m_stSingleWellHead.fTopDepth = topDepth;
    m_stSingleWellHead.fBottomDepth = bottomDepth;
}

bool CLoadData::GetWellHeadTable(int& xColumn, int& yColumn, int& nameColumn) const {
    xColumn = yColumn = nameColumn = -1;
    if (!m_pWellHeadLoader)
        return false;
    xColumn = m_pWellHeadLoader->GetXColumn();
    if (xColumn < 0)
        return false;
    yColumn = m_pWellHeadLoader->GetYColumn();
    if (yColumn < 0)
        return false;
    nameColumn = m_pWellHeadLoader->GetNameColumn();
    return nameColumn >= 0;
}

void CLoadData::DeleteWellHead() {
    m_lstWellHeads.clear();
}

void CLoadData::DeleteWellPath() {
    if (m_stWellPath.dqPoints.empty())
        return;
    m_stWellPath.dqPoints.clear();
    m_stWellPath.fNullValue = 0.0f;
    m_stWellPath.nAngleUnit = 0;
    m_stWellPath.nDataType = 1;
}

void CLoadData::DeleteWellLog() {
    m_stWellCurve.lstCurves.clear();
}

void CLoadData::DeleteRockCoreAnalyse() {
    m_lstRockCoreAnalyse.clear();
}

void CLoadData::DeleteRockCoreDescribe() {
    m_stRockCoreDescribe.lstItems.clear();
}

bool CLoadData::ReadFile(const std::wstring& path) {
    m_lastFailure = {};
    m_lasHeader.clear();
    if (path.empty() || !m_pReader || !m_pWellLogLoader)
        return Refuse(welldata::LoadError::NoFile, L"");
    // The unit question and the reader's messages may show on the GUI.
    welldata::InstallGuiPresenters();
    CWaitCursor waitCursor;
    m_stWellCurve.lstCurves.clear();
    m_pReader->SetProgressCtrl(m_pProgress);
    m_pReader->SetFilePath(path);
    m_pReader->SetDataFormat(COMMON::WLDF_LAS);
    m_pReader->SetHeaderRow(false);
    m_pReader->EnsureSections();
    bool result = false;
    // The curves are taken from the rows as they are read, for LoadLas.
    if (m_pReader->Read(CDataFileReader::kReadAll, m_pWellLogLoader->LasReadConsumer())) {
        if (!m_bUnitsSettled)
            welldata::SettleLasUnits(m_pReader->GetLasSections(), path, m_bUnitsSettled,
                                     m_eCoorUnit, m_eDepthUnit);
        const bool convert =
            m_eCoorUnit != COMMON::COOR_UNIT_M || m_eDepthUnit != COMMON::COOR_UNIT_M;
        m_pWellLogLoader->SetCoorUnit(m_eCoorUnit);
        m_pWellLogLoader->SetDepthUnit(m_eDepthUnit);
        m_pWellLogLoader->SetConvertUnits(convert);
        result = m_pWellLogLoader->LoadLas();
    }
    KeepLasHeader();
    if (!result)
        RecordFailure();
    m_pReader->Clear();
    return result;
}

void CLoadData::KeepLasHeader() {
    const CLasSectionTable* sections = m_pReader->GetLasSections();
    if (sections == nullptr)
        return;
    for (const CLasSection& section : sections->Sections()) {
        welldata::LasHeaderSection kept;
        kept.name = section.strName;
        for (const CLasItem& item : section.items)
            kept.items.push_back(
                {item.strMnemonic, item.strUnit, item.strWrittenValue, item.strDescription});
        m_lasHeader.push_back(std::move(kept));
    }
}

bool CLoadData::Refuse(welldata::LoadError error, const wchar_t* message) {
    m_lastFailure = {error, message};
    return false;
}

void CLoadData::RecordFailure() {
    m_lastFailure = m_pReader->GetFailure();
    if (!m_lastFailure.Failed())
        m_lastFailure.error = welldata::LoadError::NoData;
    welldata::GiveReason(m_lastFailure);
}

template <class Load>
bool CLoadData::ReadTable(const std::wstring& path, bool headerSearch, bool keepRows, Load load) {
    m_lastFailure = {};
    if (path.empty())
        return Refuse(welldata::LoadError::NoFile, L"");
    m_strLoadFileName = path;
    const welldata::QuietMessages quiet;
    m_pReader->SetProgressCtrl(m_pProgress);
    m_pReader->SetFilePath(path);
    m_pReader->SetDataFormat(COMMON::WLDF_TEXT);
    m_pReader->SetHeaderRow(true);
    m_pReader->SetHeaderSearch(headerSearch);
    const bool loaded = load();
    if (!loaded && !m_lastFailure.Failed())
        RecordFailure();
    if (!keepRows)
        m_pReader->Clear();
    return loaded;
}

bool CLoadData::ReadFile(const std::wstring& path, const welldata::WellHeadChoices& choices) {
    // A well head table load leaves its rows for GetData.
    return ReadTable(path, false, true, [&] {
        if (const wchar_t* problem = welldata::WellHeadChoicesProblem(choices))
            return Refuse(welldata::LoadError::MissingColumn, problem);
        m_lstWellHeads.clear();
        m_pWellHeadLoader->TakeChoices(choices);
        return m_pWellHeadLoader->Load();
    });
}

bool CLoadData::ReadFile(const std::wstring& path,
                         const welldata::PathColumnAssignment& assignment) {
    return ReadTable(path, false, false, [&] {
        if (const wchar_t* problem = welldata::PathAssignmentProblem(assignment))
            return Refuse(welldata::LoadError::IncompletePath, problem);
        m_pWellPathLoader->TakeChoices(assignment);
        return m_pWellPathLoader->LoadPath();
    });
}

bool CLoadData::ReadFile(const std::wstring& path, const welldata::WellLogChoices& choices) {
    return ReadTable(path, true, false, [&] {
        const int depthCurves = welldata::CountDepthCurves(choices.curves);
        if (const wchar_t* problem = welldata::DepthCurveProblem(depthCurves))
            return Refuse(welldata::LoadError::DepthCurveCount, problem);
        // The dialog loads no path from incomplete columns; a host that asked
        // for the path learns that it cannot be loaded.
        if (choices.withWellPath) {
            if (const wchar_t* problem = welldata::PathAssignmentProblem(choices.path))
                return Refuse(welldata::LoadError::IncompletePath, problem);
        }
        m_pWellLogLoader->TakeChoices(choices);
        return m_pWellLogLoader->LoadLog();
    });
}

bool CLoadData::ReadFile(const std::wstring& path, const welldata::CoreAnalysisChoices& choices) {
    return ReadTable(path, false, false, [&] {
        m_lstRockCoreAnalyse.clear();
        m_pRockCoreAnalyseLoader->TakeChoices(choices);
        return m_pRockCoreAnalyseLoader->Load();
    });
}

bool CLoadData::ReadFile(const std::wstring& path,
                         const welldata::CoreDescriptionChoices& choices) {
    return ReadTable(path, false, false, [&] {
        m_stRockCoreDescribe.lstItems.clear();
        m_pRockCoreDescribeLoader->TakeChoices(choices);
        return m_pRockCoreDescribeLoader->Load();
    });
}
