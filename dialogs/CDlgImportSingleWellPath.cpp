#include "dialogs/CDlgImportSingleWellPath.h"

#include "controls/CTabCtrlExt.h"
#include "loaders/CWellPath.h"
#include "pages/CDlgSingleWellPathHints.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/CDlgWellDataUnit.h"
#include "platform/ReadableMemory.h"
#include "ui_CDlgImportSingleWellPath.h"
#include "welldata/MessageBox.h"

#include <QLineEdit>

namespace {

const char* const kLoaderUnreadable =
    QT_TRANSLATE_NOOP("CDlgImportSingleWellPath", "在设置用户数据时，出现异常。");
const char* const kChooseAgainQuestion =
    QT_TRANSLATE_NOOP("CDlgImportSingleWellPath", "\r\n选择YES重新选择，选择NO退出加载程序。");
const char* const kNullValueNotNumber =
    QT_TRANSLATE_NOOP("CDlgImportSingleWellPath", "设定的空值不是有效的数值，请重新输入。");

} // namespace

CDlgImportSingleWellPath::CDlgImportSingleWellPath(CDataFileReader* reader, QWidget* parent)
    : CDlgImportBase(reader, IDC_PREVIEW, IDC_TABS, parent),
      m_ui(std::make_unique<Ui::CDlgImportSingleWellPath>()),
      m_pHintsPage(new CDlgSingleWellPathHints(this)),
      m_pDataPage(new CDlgSingleWellPathInputData(this)), m_pUnitPage(new CDlgWellDataUnit(this)) {
    m_ui->setupUi(this);
}

CDlgImportSingleWellPath::~CDlgImportSingleWellPath() = default;

void CDlgImportSingleWellPath::InitPages() {
    AddPage(m_pHintsPage->Create(this), tr("操作说明"));
    AddPage(m_pDataPage->Create(this), tr("数据"));
    AddPage(m_pUnitPage->Create(this), tr("单位"));
    if (CTabCtrlExt* tabs = GetTabCtrl())
        tabs->ShowTabPage(m_pHintsPage);
}

void CDlgImportSingleWellPath::accept() {
    if (!welldata::IsReadable(m_pLoader)) {
        welldata::ShowApplicationMessage(tr(kLoaderUnreadable).toStdWString());
        reject();
        return;
    }
    if (!m_pDataPage->IsAssignmentComplete()) {
        if (!AskToChooseAgain())
            reject();
        return;
    }
    if (!m_pDataPage->IsNullValueValid()) {
        welldata::ShowInformation(tr(kNullValueNotNumber).toStdWString(),
                                  welldata::MessageOwner::Dialog);
        if (CTabCtrlExt* tabs = GetTabCtrl())
            tabs->ShowTabPage(m_pDataPage);
        m_pDataPage->NullValueBox()->setFocus();
        m_pDataPage->NullValueBox()->selectAll();
        return;
    }
    const welldata::PathColumnAssignment assignment = CollectAssignment();
    m_pLoader->TakeChoices(assignment);
    m_handedOver = assignment;
    CDlgImportBase::accept();
}

bool CDlgImportSingleWellPath::AskToChooseAgain() {
    welldata::MessageRequest question;
    // An empty assignment is incomplete: its problem is the headless load's wording.
    question.text =
        std::wstring(welldata::PathAssignmentProblem({})) + tr(kChooseAgainQuestion).toStdWString();
    question.caption = welldata::kProductCaption;
    question.icon = welldata::MessageIcon::Information;
    question.buttons = welldata::MessageButtons::YesNo;
    question.owner = welldata::MessageOwner::Dialog;
    return welldata::ShowMessage(question) == welldata::MessageResult::Yes;
}

welldata::PathColumnAssignment CDlgImportSingleWellPath::CollectAssignment() const {
    welldata::PathColumnAssignment assignment;
    if (m_pUnitPage->HasWindow()) {
        assignment.convertUnits = m_pUnitPage->GetConvertUnits();
        assignment.angleUnit = m_pUnitPage->GetAngleUnit();
        // Units the user chose and then took back by unticking are not handed over.
        if (assignment.convertUnits) {
            assignment.coordinateUnit = m_pUnitPage->GetCoordinateUnit();
            assignment.depthUnit = m_pUnitPage->GetDepthUnit();
        }
    }
    if (m_pDataPage->HasWindow())
        m_pDataPage->GetColumnAssignment(assignment);
    return assignment;
}
