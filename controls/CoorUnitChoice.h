// The "the file's units differ from the system's" check box with its two unit
// lists (coordinates, depths; entries "m", "in", "ft", "dm", "cm" in
// ENUM_COOR_UNIT order), kept consistent the same way wherever units are asked:
// the lists are usable only while the box is ticked; unticking puts both back
// to metres; choosing metres in both unticks the box, choosing another unit in
// either keeps it ticked.
//
// Usage (a dialog or page, after setupUi):
//   m_units = new CoorUnitChoice(m_ui->checkUnitsDiffer, m_ui->comboCoorUnit,
//                                m_ui->comboDepthUnit, this);
//   m_units->SetUnits(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_M); // the program's choice
//   connect(m_units, &CoorUnitChoice::userChanged, this, [this] { ... });
//   m_units->UnitsDiffer(), m_units->GetCoorUnit(), m_units->GetDepthUnit()
#pragma once

#include "welldata/Common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>

class CoorUnitChoice : public QObject {
    Q_OBJECT

public:
    CoorUnitChoice(QCheckBox* unitsDiffer, QComboBox* coorList, QComboBox* depthList,
                   QObject* parent);

    // Selects both units, ticks the box when either is not metres and enables
    // the lists with it. Codes outside the lists count as metres.
    void SetUnits(int coorUnit, int depthUnit);

    bool UnitsDiffer() const { return m_bUnitsDiffer; }
    COMMON::ENUM_COOR_UNIT GetCoorUnit() const { return m_eCoorUnit; }
    COMMON::ENUM_COOR_UNIT GetDepthUnit() const { return m_eDepthUnit; }

    // The unit of a list position: positions 1 to 4 as such, anything else metres.
    static COMMON::ENUM_COOR_UNIT UnitFromIndex(int index);

signals:
    // The user ticked or unticked the box or chose in a list.
    void userChanged();

private:
    void OnUnitsDifferClicked(bool checked);
    void OnCoorUnitChosen(int index);
    void OnDepthUnitChosen(int index);
    // The box and the lists as the units say.
    void Synchronise();
    void EnableLists(bool enable);

    QPointer<QCheckBox> m_pUnitsDiffer;
    QPointer<QComboBox> m_pCoorList;
    QPointer<QComboBox> m_pDepthList;
    bool m_bUnitsDiffer = false;
    COMMON::ENUM_COOR_UNIT m_eCoorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_eDepthUnit = COMMON::COOR_UNIT_M;
};
