#include "dialogs/CDlgImportMultiWellLogs.h"

#include "controls/CTabCtrlExt.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "platform/ReadableMemory.h"
#include "ui_CDlgImportMultiWellLogs.h"
#include "welldata/MessageBox.h"

#include <QEvent>

namespace {

const wchar_t* const kLoaderUnreadable = L"设置用户数据时，程序异常。";
const wchar_t* const kDepthProblemCaption = L"深度数据问题";

} // namespace

CDlgImportMultiWellLogs::CDlgImportMultiWellLogs(CDataFileReader* reader, QWidget* parent)
    : CDlgImportBase(reader, IDC_PREVIEW, IDC_TABS, parent),
      m_ui(std::make_unique<Ui::CDlgImportMultiWellLogs>()),
      m_pDataPage(new CDlgMultiWellLogInputData(this)),
      m_pSettingPage(new CDlgSingleWellLogSetting(this)) {
    m_ui->setupUi(this);
}

CDlgImportMultiWellLogs::~CDlgImportMultiWellLogs() = default;

void CDlgImportMultiWellLogs::InitPages() {
    AddPage(m_pDataPage->Create(this), QString::fromWCharArray(L"设置井数据类型"));
    AddPage(m_pSettingPage->Create(this), QString::fromWCharArray(L"设置"));
    if (CTabCtrlExt* tabs = GetTabCtrl())
        tabs->ShowTabPage(m_pDataPage);
}

void CDlgImportMultiWellLogs::changeEvent(QEvent* event) {
    CDlgImportBase::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_pDataPage->HasWindow() &&
        m_pDataPage->isVisible())
        m_pDataPage->update();
}

void CDlgImportMultiWellLogs::accept() {
    if (!welldata::IsReadable(m_pLoader)) {
        welldata::ShowApplicationMessage(kLoaderUnreadable);
        reject();
        return;
    }
    welldata::WellLogChoices choices;
    if (m_pDataPage->HasWindow())
        m_pDataPage->CollectCurves(choices.curves);
    if (m_pSettingPage->HasWindow())
        m_pSettingPage->GetChoices(choices, true);
    if (!m_pLoader->TakeMultiWellChoices(choices)) {
        welldata::MessageRequest problem;
        problem.text = welldata::DepthCurveProblem(welldata::CountDepthCurves(choices.curves));
        problem.caption = kDepthProblemCaption;
        problem.owner = welldata::MessageOwner::Dialog;
        welldata::ShowMessage(problem);
        return;
    }
    m_handedOver = choices;
    CDlgImportBase::accept();
}
