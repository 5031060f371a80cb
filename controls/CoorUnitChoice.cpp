#include "controls/CoorUnitChoice.h"

#include <QCheckBox>
#include <QComboBox>

CoorUnitChoice::CoorUnitChoice(QCheckBox* unitsDiffer, QComboBox* coorList, QComboBox* depthList,
                               QObject* parent)
    : QObject(parent), m_pUnitsDiffer(unitsDiffer), m_pCoorList(coorList), m_pDepthList(depthList) {
    if (m_pUnitsDiffer)
        connect(m_pUnitsDiffer, &QCheckBox::clicked, this, &CoorUnitChoice::OnUnitsDifferClicked);
    if (m_pCoorList)
        connect(m_pCoorList, &QComboBox::activated, this, &CoorUnitChoice::OnCoorUnitChosen);
    if (m_pDepthList)
        connect(m_pDepthList, &QComboBox::activated, this, &CoorUnitChoice::OnDepthUnitChosen);
}

COMMON::ENUM_COOR_UNIT CoorUnitChoice::UnitFromIndex(int index) {
    return (index >= COMMON::COOR_UNIT_IN && index <= COMMON::COOR_UNIT_CM)
               ? static_cast<COMMON::ENUM_COOR_UNIT>(index)
               : COMMON::COOR_UNIT_M;
}

void CoorUnitChoice::SetUnits(int coorUnit, int depthUnit) {
    m_eCoorUnit = UnitFromIndex(coorUnit);
    m_eDepthUnit = UnitFromIndex(depthUnit);
    if (m_pCoorList)
        m_pCoorList->setCurrentIndex(m_eCoorUnit);
    if (m_pDepthList)
        m_pDepthList->setCurrentIndex(m_eDepthUnit);
    Synchronise();
}

void CoorUnitChoice::EnableLists(bool enable) {
    if (m_pCoorList)
        m_pCoorList->setEnabled(enable);
    if (m_pDepthList)
        m_pDepthList->setEnabled(enable);
}

void CoorUnitChoice::Synchronise() {
    m_bUnitsDiffer = m_eCoorUnit != COMMON::COOR_UNIT_M || m_eDepthUnit != COMMON::COOR_UNIT_M;
    if (m_pUnitsDiffer)
        m_pUnitsDiffer->setChecked(m_bUnitsDiffer);
    EnableLists(m_bUnitsDiffer);
}

void CoorUnitChoice::OnUnitsDifferClicked(bool checked) {
    m_bUnitsDiffer = checked;
    EnableLists(checked);
    if (!checked) {
        if (m_pCoorList)
            m_pCoorList->setCurrentIndex(COMMON::COOR_UNIT_M);
        if (m_pDepthList)
            m_pDepthList->setCurrentIndex(COMMON::COOR_UNIT_M);
        m_eCoorUnit = COMMON::COOR_UNIT_M;
        m_eDepthUnit = COMMON::COOR_UNIT_M;
    }
    emit userChanged();
}

void CoorUnitChoice::OnCoorUnitChosen(int index) {
    m_eCoorUnit = UnitFromIndex(index);
    Synchronise();
    emit userChanged();
}

void CoorUnitChoice::OnDepthUnitChosen(int index) {
    m_eDepthUnit = UnitFromIndex(index);
    Synchronise();
    emit userChanged();
}
