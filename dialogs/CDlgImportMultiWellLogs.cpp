#include "dialogs/CDlgImportMultiWellLogs.h"

#include "controls/CTabCtrlExt.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "ui_CDlgImportMultiWellLogs.h"
#include "welldata/MessageBox.h"

CDlgImportMultiWellLogs::CDlgImportMultiWellLogs(CDataFileReader* reader, QWidget* parent)
    : CDlgImportWellLogBase(reader, IDC_PREVIEW, IDC_TABS, parent),
      m_ui(std::make_unique<Ui::CDlgImportMultiWellLogs>()),
      m_pDataPage(new CDlgMultiWellLogInputData(this)),
      m_pSettingPage(new CDlgSingleWellLogSetting(this)) {
    m_ui->setupUi(this);
}

CDlgImportMultiWellLogs::~CDlgImportMultiWellLogs() = default;

void CDlgImportMultiWellLogs::InitPages() {
    AddPage(m_pDataPage->Create(this), tr("设置井数据类型"));
    AddPage(m_pSettingPage->Create(this), tr("设置"));
    if (CTabCtrlExt* tabs = GetTabCtrl())
        tabs->ShowTabPage(m_pDataPage);
}

QWidget* CDlgImportMultiWellLogs::DataPageWindow() const {
    return m_pDataPage->HasWindow() ? m_pDataPage : nullptr;
}

void CDlgImportMultiWellLogs::accept() {
    if (!CheckLoader())
        return;
    welldata::WellLogChoices choices;
    if (m_pDataPage->HasWindow())
        m_pDataPage->CollectCurves(choices.curves);
    if (m_pSettingPage->HasWindow())
        m_pSettingPage->GetChoices(choices, true);
    if (!Loader()->TakeMultiWellChoices(choices)) {
        welldata::MessageRequest problem;
        problem.text = welldata::DepthCurveProblem(welldata::CountDepthCurves(choices.curves));
        problem.caption = tr("深度数据问题").toStdWString();
        problem.owner = welldata::MessageOwner::Dialog;
        welldata::ShowMessage(problem);
        return;
    }
    HandOver(choices);
}
