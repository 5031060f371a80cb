#include "dialogs/CDlgImportWellHeads.h"

#include "controls/CWorkflowPanel.h"
#include "dialogs/ColumnChoiceList.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "interface/HeaderSuggestions.h"
#include "loaders/CWellHead.h"
#include "platform/ReadableMemory.h"
#include "reader/TableColumnNames.h"
#include "ui_CDlgImportWellHeads.h"
#include "welldata/MessageBox.h"

using welldata::WellHeadChoices;

CDlgImportWellHeads::CDlgImportWellHeads(CDataFileReader* reader, QWidget* parent)
    : CDlgImportBase(reader, IDC_PREVIEW, 0, parent),
      m_ui(std::make_unique<Ui::CDlgImportWellHeads>()) {
    m_ui->setupUi(this);
    m_ui->workflow->SetCurrentStep(CWorkflowPanel::Step::ImportWellHeads, IDC_WORKFLOW_STEP);
    const Ui::CDlgImportWellHeads& ui = *m_ui;
    m_attributes = {
        {ui.comboNameColumn, nullptr, nullptr, &WellHeadChoices::nameColumn, nullptr, nullptr},
        {ui.comboXColumn, ui.comboXUnit, nullptr, &WellHeadChoices::xColumn,
         &WellHeadChoices::xUnit, nullptr},
        {ui.comboYColumn, ui.comboYUnit, nullptr, &WellHeadChoices::yColumn,
         &WellHeadChoices::yUnit, nullptr},
        {ui.comboKbColumn, ui.comboKbUnit, ui.useKb, &WellHeadChoices::kbColumn,
         &WellHeadChoices::kbUnit, &WellHeadChoices::kbUsed},
        {ui.comboWellTypeColumn, nullptr, ui.useWellType, &WellHeadChoices::wellTypeColumn, nullptr,
         &WellHeadChoices::wellTypeUsed},
        {ui.comboTopDepthColumn, ui.comboTopDepthUnit, ui.useTopDepth,
         &WellHeadChoices::topDepthColumn, &WellHeadChoices::topDepthUnit,
         &WellHeadChoices::topDepthUsed},
        {ui.comboBottomDepthColumn, ui.comboBottomDepthUnit, ui.useBottomDepth,
         &WellHeadChoices::bottomDepthColumn, &WellHeadChoices::bottomDepthUnit,
         &WellHeadChoices::bottomDepthUsed},
    };
    for (QCheckBox* box :
         {ui.useKb, ui.useWellType, ui.useTopDepth, ui.useBottomDepth, ui.checkChooseUnits})
        connect(box, &QCheckBox::toggled, this, &CDlgImportWellHeads::SynchroniseLists);
    SynchroniseLists();
}

CDlgImportWellHeads::~CDlgImportWellHeads() = default;

void CDlgImportWellHeads::SetLoader(CWellHead* loader) {
    if (welldata::IsReadable(loader))
        m_pLoader = loader;
}

bool CDlgImportWellHeads::OnInitDialog() {
    const bool opened = CDlgImportBase::OnInitDialog();
    // The lists sit in the settings group rather than on the dialog itself.
    welldata::ExtendComboDropHeight(m_ui->settingsGroup, welldata::kComboDropExtension);
    for (const Attribute& attribute : m_attributes) {
        if (attribute.unit != nullptr)
            attribute.unit->setCurrentIndex(COMMON::COOR_UNIT_M);
    }
    return opened;
}

void CDlgImportWellHeads::OnHeaderRow(Row row) {
    const std::vector<std::wstring> names = welldata::TableColumnNames(row, false);
    const QStringList entries = welldata::NumberedColumnEntries(names);
    for (const Attribute& attribute : m_attributes)
        welldata::FillColumnChoiceList(attribute.column, entries);
    const WellHeadChoices suggested = welldata::SuggestWellHeadChoices(names);
    for (const Attribute& attribute : m_attributes)
        attribute.column->setCurrentIndex(suggested.*attribute.columnField);
}

void CDlgImportWellHeads::SynchroniseLists() {
    const bool unitsChosen = m_ui->checkChooseUnits->isChecked();
    for (const Attribute& attribute : m_attributes) {
        const bool used = attribute.use == nullptr || attribute.use->isChecked();
        attribute.column->setEnabled(used);
        if (attribute.unit != nullptr)
            attribute.unit->setEnabled(used && unitsChosen);
    }
}

WellHeadChoices CDlgImportWellHeads::GetChoices() const {
    WellHeadChoices choices;
    choices.unitsChosen = m_ui->checkChooseUnits->isChecked();
    for (const Attribute& attribute : m_attributes) {
        choices.*attribute.columnField = attribute.column->currentIndex();
        if (attribute.use != nullptr)
            choices.*attribute.usedField = attribute.use->isChecked();
        // A unit list without a selection hands over a code the loader ignores.
        if (attribute.unit != nullptr)
            choices.*attribute.unitField =
                static_cast<COMMON::ENUM_COOR_UNIT>(attribute.unit->currentIndex());
    }
    return choices;
}

void CDlgImportWellHeads::accept() {
    if (m_pLoader == nullptr)
        return;
    const WellHeadChoices choices = GetChoices();
    if (const wchar_t* problem = welldata::WellHeadChoicesProblem(choices)) {
        welldata::ShowInformation(problem, welldata::MessageOwner::Dialog);
        return;
    }
    m_pLoader->TakeChoices(choices);
    CDlgImportBase::accept();
}
