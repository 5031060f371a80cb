#include "dialogs/CDlgRockCoreDescribe.h"

#include "controls/CEditListCtrl.h"
#include "dialogs/ColumnChoiceList.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "interface/HeaderSuggestions.h"
#include "loaders/CRockCoreDescribe.h"
#include "platform/ReadableMemory.h"
#include "ui_CDlgRockCoreDescribe.h"

#include <QHeaderView>

CDlgRockCoreDescribe::CDlgRockCoreDescribe(CDataFileReader* reader, QWidget* parent)
    : CDlgDescreteDataBase(reader, IDC_DATA_LIST, parent),
      m_ui(std::make_unique<Ui::CDlgRockCoreDescribe>()) {
    m_ui->setupUi(this);
    ShowHintPicture(m_ui->hintPicture);
}

CDlgRockCoreDescribe::~CDlgRockCoreDescribe() = default;

void CDlgRockCoreDescribe::SetLoader(CRockCoreDescribe* loader) {
    if (welldata::IsReadable(loader))
        m_pLoader = loader;
}

int CDlgRockCoreDescribe::InitDataList() {
    const int rows = CDlgDescreteDataBase::InitDataList();
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    welldata::ExtendComboDropHeight(m_ui->attributeGroup, welldata::kComboDropExtension);
    // The last column takes the room the others leave, as the list is resized too.
    m_ui->dataList->horizontalHeader()->setStretchLastSection(true);

    const std::vector<std::wstring> names = HeaderNames();
    const QStringList entries = welldata::NumberedColumnEntries(names);
    for (QComboBox* list :
         {m_ui->comboTopColumn, m_ui->comboBottomColumn, m_ui->comboDescriptionColumn})
        welldata::FillColumnChoiceList(list, entries);
    const welldata::CoreDescriptionChoices suggested =
        welldata::SuggestCoreDescriptionChoices(names);
    m_ui->editDescriptionName->setText(QString::fromStdWString(suggested.descriptionName));
    m_ui->comboTopColumn->setCurrentIndex(suggested.topColumn);
    m_ui->comboBottomColumn->setCurrentIndex(suggested.bottomColumn);
    m_ui->comboDescriptionColumn->setCurrentIndex(suggested.descriptionColumn);
    return rows;
}

welldata::CoreDescriptionChoices CDlgRockCoreDescribe::GetChoices() const {
    welldata::CoreDescriptionChoices choices;
    choices.topColumn = m_ui->comboTopColumn->currentIndex();
    choices.bottomColumn = m_ui->comboBottomColumn->currentIndex();
    choices.descriptionColumn = m_ui->comboDescriptionColumn->currentIndex();
    choices.descriptionName = m_ui->editDescriptionName->text().toStdWString();
    return choices;
}

void CDlgRockCoreDescribe::accept() {
    if (m_pLoader != nullptr)
        m_pLoader->TakeChoices(GetChoices());
    CDlgDescreteDataBase::accept();
}
