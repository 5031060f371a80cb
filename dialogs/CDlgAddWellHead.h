// Creates one well by hand: its name, position, kelly-bushing elevation, an
// optional measured interval and a well symbol picked from the well-symbol
// shelf. X and Y may be given in feet and converted to metres. OK lists every
// problem of the entries at once (no name, X or Y empty or 0) and keeps the
// dialog open until there is none; the result is one well head record.
//
// Usage (the entry point):
//   CDlgAddWellHead dialog;
//   dialog.Preset(head.strWellName, head.dX, head.dY, head.fKB, head.fTopDepth,
//                 head.fBottomDepth);
//   if (dialog.exec() == QDialog::Accepted) head = dialog.GetWellHead();
#pragma once

#include "welldata/Common.h"

#include <QDialog>
#include <memory>
#include <string>

class QLineEdit;

namespace Ui {
class CDlgAddWellHead;
}

class CDlgAddWellHead : public QDialog {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10029,
        IDC_WORKFLOW_STEP = 30084,
        IDC_NAME = 30139,
        IDC_KB = 30140,
        IDC_X = 30141,
        IDC_Y = 30142,
        IDC_SYMBOL = 30143,
        IDC_MEASURED_INTERVAL = 30144,
        IDC_TOP_DEPTH = 30145,
        IDC_BOTTOM_DEPTH = 30146,
        IDC_CONVERT = 30147,
        IDC_COOR_UNIT = 30148,
        IDC_ELEVATION_UNIT = 30149,
    };
    // The symbol selected when the dialog opens, and the height of the symbol
    // entries and the width of their pictures.
    static constexpr int kInitialSymbol = 8;
    static constexpr int kSymbolPictureSize = 18;

    explicit CDlgAddWellHead(QWidget* parent = nullptr);
    ~CDlgAddWellHead() override;

    // Values shown when the dialog opens; a number of 0 leaves its box empty.
    void Preset(const std::wstring& name, double x, double y, float kb, float topDepth,
                float bottomDepth);
    // The new well after OK.
    const COMMON::STRUCT_WELL_HEAD& GetWellHead() const { return m_wellHead; }

    // Opening fills the controls once, before the dialog is first shown.
    void setVisible(bool visible) override;
    // OK: reads the entries; any problem is shown and keeps the dialog open.
    void accept() override;

private:
    void OnInitDialog();
    void ShowPreset(QLineEdit* edit, double value);
    void OnConvertClicked(bool checked);
    void OnMeasuredIntervalClicked(bool checked);
    // Reads the well head from the entries; returns the problems found, one
    // line each, in the order name, X, Y.
    std::wstring ReadEntries();
    // Reads X or Y into `value`, converted to metres when asked; appends to
    // `problems` when the text is empty or the value 0.
    void ReadCoordinate(const QLineEdit* edit, const wchar_t* axis, double& value,
                        std::wstring& problems) const;
    double CoordinateFactor() const;

    std::unique_ptr<Ui::CDlgAddWellHead> m_ui;
    bool m_bConvertCoordinates = false;
    bool m_bMeasuredInterval = false;
    bool m_bInitialised = false;
    COMMON::STRUCT_WELL_HEAD m_preset;
    COMMON::STRUCT_WELL_HEAD m_wellHead;
};
