#include "pages/CDlgSingleWellLogSetting.h"

#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportBase.h"
#include "pages/IPathDataTypeOwner.h"
#include "reader/LenientNumber.h"
#include "ui_CDlgSingleWellLogSetting.h"
#include "welldata/LoadChoices.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kNumberColumnWidth = 80;
constexpr int kValueColumnWidth = 100;

// A typed number as the loaders keep it; 0 for text that does not start with
// a number and for a number beyond float range.
float ReadFloat(const QString& text) {
    const double value = welldata::LenientToDouble(text.trimmed().toStdWString());
    return std::fabs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value) : 0.0f;
}

} // namespace

CDlgSingleWellLogSetting::CDlgSingleWellLogSetting(QWidget* parent)
    : CDlgPage(parent), m_ui(std::make_unique<Ui::CDlgSingleWellLogSetting>()) {
    m_ui->setupUi(this);
    const std::pair<QRadioButton*, std::int32_t> references[] = {
        {m_ui->radioKellyBushing, DEPTH_REF_KELLY_BUSHING},
        {m_ui->radioMeanSeaLevel, DEPTH_REF_MEAN_SEA_LEVEL},
        {m_ui->radioOtherReference, DEPTH_REF_OTHER}};
    for (const auto& [radio, reference] : references)
        connect(radio, &QRadioButton::clicked, this,
                [this, reference = reference] { OnDepthReferenceClicked(reference); });
    connect(m_ui->radioNewGroup, &QRadioButton::clicked, this, [this] { OnGroupModeClicked(0); });
    connect(m_ui->radioMergeFirstGroup, &QRadioButton::clicked, this,
            [this] { OnGroupModeClicked(1); });
}

CDlgSingleWellLogSetting::~CDlgSingleWellLogSetting() = default;

CEditListCtrl* CDlgSingleWellLogSetting::GetNullValueList() const {
    return m_ui->listNullValues;
}

void CDlgSingleWellLogSetting::OnInitDialog() {
    (m_nGroupMode == 1 ? m_ui->radioMergeFirstGroup : m_ui->radioNewGroup)->setChecked(true);
    m_ui->editGroupName->setEnabled(m_nGroupMode == 0);
    m_ui->radioKellyBushing->setChecked(true);
    m_ui->editOtherElevation->setText(QStringLiteral("0"));
    m_ui->editOtherElevation->setReadOnly(true);
    SetUpNullValueList();
}

void CDlgSingleWellLogSetting::SetUpNullValueList() {
    CEditListCtrl* list = m_ui->listNullValues;
    list->InsertColumn(kNumberColumn, tr("序号"), kNumberColumnWidth);
    list->InsertColumn(kValueColumn, tr("设定值"), kValueColumnWidth);
    list->SetColumnCount(2);
    list->SetColumnEditKind(kValueColumn, CEditListCtrl::kTextEdit);
    list->SetChoiceListScroll(true);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->SetContextMenu(CEditListCtrl::ContextMenu::Records);
    list->AppendRow({QStringLiteral(" %1").arg(1), QStringLiteral("-9999.00")});
}

void CDlgSingleWellLogSetting::showEvent(QShowEvent* event) {
    const auto* owner = dynamic_cast<const IPathDataTypeOwner*>(GetParentDialog());
    const bool elevationPath = owner != nullptr && owner->GetPathDataType() == PATH_X_Y_Z;
    if (elevationPath) {
        // Z is an elevation: the depths can only refer to mean sea level.
        m_ui->radioMeanSeaLevel->setChecked(true);
        OnDepthReferenceClicked(DEPTH_REF_MEAN_SEA_LEVEL);
    }
    m_ui->radioKellyBushing->setEnabled(!elevationPath);
    m_ui->radioOtherReference->setEnabled(!elevationPath);
    m_ui->radioMeanSeaLevel->setEnabled(true);
    CDlgPage::showEvent(event);
}

void CDlgSingleWellLogSetting::OnDepthReferenceClicked(std::int32_t reference) {
    m_nDepthReference = reference;
    m_ui->editOtherElevation->setReadOnly(reference != DEPTH_REF_OTHER);
}

void CDlgSingleWellLogSetting::OnGroupModeClicked(std::int32_t mode) {
    m_nGroupMode = mode;
    // Only a new group takes a name.
    m_ui->editGroupName->setEnabled(mode == 0);
}

float CDlgSingleWellLogSetting::GetOtherElevation() const {
    return m_nDepthReference == DEPTH_REF_OTHER ? ReadFloat(m_ui->editOtherElevation->text())
                                                : 0.0f;
}

std::wstring CDlgSingleWellLogSetting::GetGroupName() const {
    return m_ui->editGroupName->text().toStdWString();
}

std::vector<float> CDlgSingleWellLogSetting::GetNullValues() const {
    std::vector<float> values;
    const CEditListCtrl* list = m_ui->listNullValues;
    for (int row = list->rowCount() - 1; row >= 0; --row) {
        const QString text = list->GetItemText(row, kValueColumn);
        if (text.isEmpty())
            continue;
        const float value = ReadFloat(text);
        if (value != 0.0f)
            values.push_back(value);
    }
    return values;
}

void CDlgSingleWellLogSetting::GetChoices(welldata::WellLogChoices& out, bool withGroupName) const {
    out.nullValues = GetNullValues();
    if (withGroupName)
        out.groupName = GetGroupName();
    out.groupMode = GetGroupMode();
    out.depthReference = GetDepthReference();
    if (out.depthReference == DEPTH_REF_OTHER)
        out.referenceElevation = GetOtherElevation();
}
