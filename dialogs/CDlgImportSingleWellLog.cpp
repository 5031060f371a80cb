#include "dialogs/CDlgImportSingleWellLog.h"

#include "controls/CTabCtrlExt.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgSingleWellLogHints.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "ui_CDlgImportSingleWellLog.h"
#include "welldata/MessageBox.h"

CDlgImportSingleWellLog::CDlgImportSingleWellLog(CDataFileReader* reader, QWidget* parent)
    : CDlgImportWellLogBase(reader, IDC_PREVIEW, IDC_TABS, parent),
      m_ui(std::make_unique<Ui::CDlgImportSingleWellLog>()),
      m_pHintsPage(new CDlgSingleWellLogHints(this)),
      m_pDataPage(new CDlgSingleWellLogInputData(this)),
      m_pSettingPage(new CDlgSingleWellLogSetting(this)), m_pUnitPage(new CDlgWellDataUnit(this)) {
    m_ui->setupUi(this);
}

CDlgImportSingleWellLog::~CDlgImportSingleWellLog() = default;

void CDlgImportSingleWellLog::InitPages() {
    AddPage(m_pHintsPage->Create(this), tr("操作说明"));
    AddPage(m_pDataPage->Create(this), tr("数据"));
    AddPage(m_pSettingPage->Create(this), tr("设置"));
    AddPage(m_pUnitPage->Create(this), tr("单位"));
    m_pUnitPage->ShowAngleUnit(false);
    if (CTabCtrlExt* tabs = GetTabCtrl())
        tabs->ShowTabPage(m_pHintsPage);
    PresetUnitPage();
}

void CDlgImportSingleWellLog::PresetUnitPage() {
    m_pUnitPage->PresetUnits(m_pDataPage->GetCoordinateUnit(), m_pDataPage->GetDepthUnit());
}

void CDlgImportSingleWellLog::OnTabSelChange(int index) {
    if (index == kUnitTab)
        PresetUnitPage();
    CDlgImportWellLogBase::OnTabSelChange(index);
}

QWidget* CDlgImportSingleWellLog::DataPageWindow() const {
    return m_pDataPage->HasWindow() ? m_pDataPage : nullptr;
}

void CDlgImportSingleWellLog::accept() {
    if (!CheckLoader())
        return;
    const welldata::WellLogChoices choices = CollectChoices();
    if (!Loader()->TakeChoices(choices)) {
        const int depthCurves = welldata::CountDepthCurves(choices.curves);
        welldata::ShowInformation(welldata::DepthCurveProblem(depthCurves),
                                  welldata::MessageOwner::Dialog);
        return;
    }
    HandOver(choices);
}

welldata::WellLogChoices CDlgImportSingleWellLog::CollectChoices() {
    welldata::WellLogChoices choices;
    // The page reports the layout and its columns into a zeroed record; it
    // has no null value of its own.
    welldata::PathColumnAssignment path;
    if (m_pDataPage->HasWindow()) {
        path.dataType = m_pDataPage->GetDataType();
        m_pDataPage->CollectCurves(choices.curves);
        m_pDataPage->GetColumnAssignment(path);
        choices.skipNullValues = m_pDataPage->GetSkipUndefinedValues();
        choices.withWellPath = m_pDataPage->GetLoadPath() && m_pDataPage->IsAssignmentComplete();
    }
    choices.path = path;
    // This dialog names no curve group.
    if (m_pSettingPage->HasWindow())
        m_pSettingPage->GetChoices(choices, false);
    if (m_pUnitPage->HasWindow()) {
        choices.convertUnits = m_pUnitPage->GetConvertUnits();
        if (choices.convertUnits) {
            choices.coordinateUnit = m_pUnitPage->GetCoordinateUnit();
            choices.depthUnit = m_pUnitPage->GetDepthUnit();
        }
    }
    return choices;
}
