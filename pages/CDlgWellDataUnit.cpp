#include "pages/CDlgWellDataUnit.h"

#include "controls/CoorUnitChoice.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "ui_CDlgWellDataUnit.h"
#include "welldata/LoadChoices.h"

CDlgWellDataUnit::CDlgWellDataUnit(QWidget* parent)
    : CDlgPage(parent), m_ui(std::make_unique<Ui::CDlgWellDataUnit>()) {
    m_ui->setupUi(this);
    m_pUnits =
        new CoorUnitChoice(m_ui->checkUnitsDiffer, m_ui->comboCoorUnit, m_ui->comboDepthUnit, this);
    m_pUnits->SetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M);
    connect(m_pUnits, &CoorUnitChoice::userChanged, this, [this] { m_bAcceptsPreset = false; });
    connect(m_ui->radioDegrees, &QRadioButton::clicked, this,
            [this] { m_nAngleUnit = ANGLE_DEGREES; });
    connect(m_ui->radioRadians, &QRadioButton::clicked, this,
            [this] { m_nAngleUnit = ANGLE_RADIANS; });
}

CDlgWellDataUnit::~CDlgWellDataUnit() = default;

void CDlgWellDataUnit::OnInitDialog() {
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    m_ui->editSystemCoorUnit->setText(QStringLiteral("M"));
    m_ui->editSystemDepthUnit->setText(QStringLiteral("M"));
    m_ui->radioDegrees->setChecked(true);
    m_pUnits->SetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M);
}

bool CDlgWellDataUnit::GetConvertUnits() const {
    return m_pUnits->UnitsDiffer();
}

COMMON::ENUM_COOR_UNIT CDlgWellDataUnit::GetCoordinateUnit() const {
    return m_pUnits->GetCoorUnit();
}

COMMON::ENUM_COOR_UNIT CDlgWellDataUnit::GetDepthUnit() const {
    return m_pUnits->GetDepthUnit();
}

void CDlgWellDataUnit::ShowAngleUnit(bool show) {
    m_ui->labelAngleUnit->setVisible(show);
    m_ui->radioDegrees->setVisible(show);
    m_ui->radioRadians->setVisible(show);
}

void CDlgWellDataUnit::PresetUnits(int coordinateUnit, int depthUnit) {
    if (m_bAcceptsPreset)
        m_pUnits->SetUnits(coordinateUnit, depthUnit);
}
