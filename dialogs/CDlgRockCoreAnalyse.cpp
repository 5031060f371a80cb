#include "dialogs/CDlgRockCoreAnalyse.h"

#include "controls/CEditListCtrl.h"
#include "loaders/CRockCoreAnalyse.h"
#include "platform/ReadableMemory.h"
#include "ui_CDlgRockCoreAnalyse.h"

CDlgRockCoreAnalyse::CDlgRockCoreAnalyse(CDataFileReader* reader, QWidget* parent)
    : CDlgDescreteDataBase(reader, IDC_DATA_LIST, parent),
      m_ui(std::make_unique<Ui::CDlgRockCoreAnalyse>()) {
    m_ui->setupUi(this);
    ShowHintPicture(m_ui->hintPicture);
}

CDlgRockCoreAnalyse::~CDlgRockCoreAnalyse() = default;

void CDlgRockCoreAnalyse::SetLoader(CRockCoreAnalyse* loader) {
    if (welldata::IsReadable(loader))
        m_pLoader = loader;
}

int CDlgRockCoreAnalyse::InitDataList() {
    if (CEditListCtrl* list = GetDataList())
        list->SetHeaderTitlesEditable(true);
    return CDlgDescreteDataBase::InitDataList();
}

QString CDlgRockCoreAnalyse::HeaderTitle(int, const QString& name) const {
    return name;
}

welldata::CoreAnalysisChoices CDlgRockCoreAnalyse::GetChoices() const {
    welldata::CoreAnalysisChoices choices;
    CEditListCtrl* list = GetDataList();
    if (list == nullptr)
        return choices;
    const QStringList titles = list->GetHeaderTitles();
    for (int column = 0; column < titles.size(); ++column) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.strName = titles[column].toStdWString();
        item.nColumn = column;
        choices.columns.push_back(std::move(item));
    }
    return choices;
}

void CDlgRockCoreAnalyse::accept() {
    // A title still being typed counts as typed.
    if (CEditListCtrl* list = GetDataList(); list != nullptr && list->IsEditing())
        list->FinishEdit();
    if (m_pLoader != nullptr)
        m_pLoader->TakeChoices(GetChoices());
    CDlgDescreteDataBase::accept();
}
