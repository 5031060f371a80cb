// The "单位" tab of the well path and single well log imports: whether the
// file's coordinates and depths are written in other units than the system's
// metres ("文件中使用的坐标单位与系统不同"), which units ("m", "in", "ft",
// "dm", "cm": ENUM_COOR_UNIT codes 0 to 4, the positions in both lists), and
// for well paths whether angles are in degrees or radians. The lists are usable
// only while the box is ticked; metres in both unticks it.
//
// A dialog may preset the units it read from the file (a LAS file's curve
// units) until the user touches the box or a list: acceptsPreset then turns false.
//
// Usage (a dialog):
//   m_unitPage = new CDlgWellDataUnit(this);  // then in InitPages:
//   AddPage(m_unitPage->Create(this), "单位");
//   m_unitPage->ShowAngleUnit(false);          // the well log imports
//   m_unitPage->PresetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_FT);  // each time the tab shows
//   // on OK:
//   assignment.convertUnits = m_unitPage->GetConvertUnits(); ...
#pragma once

#include "pages/CDlgPage.h"
#include "welldata/Common.h"

#include <cstdint>
#include <memory>

class CoorUnitChoice;

namespace Ui {
class CDlgWellDataUnit;
}

class CDlgWellDataUnit : public CDlgPage {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10010,
        IDC_SYSTEM_COOR_UNIT = 30038,
        IDC_SYSTEM_DEPTH_UNIT = 30070,
        IDC_UNITS_DIFFER = 30035,
        IDC_COOR_UNIT = 30032,
        IDC_DEPTH_UNIT = 30033,
        IDC_ANGLE_UNIT_LABEL = 30129,
        IDC_DEGREES = 30049,
        IDC_RADIANS = 30039,
    };

    explicit CDlgWellDataUnit(QWidget* parent = nullptr);
    ~CDlgWellDataUnit() override;

    bool GetConvertUnits() const;
    COMMON::ENUM_COOR_UNIT GetCoordinateUnit() const;
    COMMON::ENUM_COOR_UNIT GetDepthUnit() const;
    std::int32_t GetAngleUnit() const { return m_nAngleUnit; }
    // False once the user has ticked or unticked the box or chosen in a list.
    bool AcceptsPreset() const { return m_bAcceptsPreset; }

    // Shows or hides the angle unit label and its two buttons.
    void ShowAngleUnit(bool show);
    // Selects the file's units as the user would, while AcceptsPreset().
    void PresetUnits(int coordinateUnit, int depthUnit);

protected:
    // Taller lists, the system's units "M", degrees, metres in both lists.
    void OnInitDialog() override;

private:
    std::unique_ptr<Ui::CDlgWellDataUnit> m_ui;
    CoorUnitChoice* m_pUnits = nullptr;
    std::int32_t m_nAngleUnit = 0;
    bool m_bAcceptsPreset = true;
};
