// Asks, while a LAS file is loaded by name, in which units its coordinates and
// depths are written and whether that holds for the following files. OK is the
// only way out.
#pragma once

#include "welldata/Common.h"

#include <QDialog>
#include <memory>
#include <string>

class CoorUnitChoice;

namespace Ui {
class CDlgBatchLoadWellLogUnitShow;
}

class CDlgBatchLoadWellLogUnitShow : public QDialog {
    Q_OBJECT

public:
    enum ControlId {
        IDC_DONT_ASK_AGAIN = 30152,
        IDC_UNITS_DIFFER = 30154,
        IDC_SYSTEM_COOR_UNIT = 30155,
        IDC_SYSTEM_DEPTH_UNIT = 30156,
        IDC_COOR_UNIT = 30157,
        IDC_DEPTH_UNIT = 30158,
        IDOK_BUTTON = 1,
    };

    explicit CDlgBatchLoadWellLogUnitShow(QWidget* parent = nullptr);
    ~CDlgBatchLoadWellLogUnitShow() override;

    // Input, before the dialog runs.
    void SetFilePath(const std::wstring& path) { m_strFilePath = path; }
    void SetUnits(COMMON::ENUM_COOR_UNIT coorUnit, COMMON::ENUM_COOR_UNIT depthUnit);

    // Output, after OK.
    bool UnitsDiffer() const;
    bool DontAskAgain() const { return m_bDontAskAgain; }
    COMMON::ENUM_COOR_UNIT GetCoorUnit() const;
    COMMON::ENUM_COOR_UNIT GetDepthUnit() const;

    // Escape does not end the dialog.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void InitDialog();

    std::unique_ptr<Ui::CDlgBatchLoadWellLogUnitShow> m_ui;
    CoorUnitChoice* m_pUnits = nullptr;
    std::wstring m_strFilePath;
    bool m_bDontAskAgain = false;
    bool m_bInitialised = false;
};
