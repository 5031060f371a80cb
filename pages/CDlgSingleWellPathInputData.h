// The data page of the well path import ("数据" tab): the path layout and its
// columns (all the column logic is CDlgWellPathDataTypeBase's), whether the
// file has an MD column ("存在MD") and a null value ("文件中存在空值", with the
// value in the box beside it), and the MD and TVD elevation reference, which is
// shown for the user's orientation only and not reported.
//
// At opening the layout is TVD, DX, DY, "存在MD" and "平均海平面（MSL）" are
// ticked and the null value box reads "-9999", read-only until "文件中存在空值"
// is ticked. The null value follows the box while that box is ticked.
//
// Usage (the well path dialog):
//   m_dataPage = new CDlgSingleWellPathInputData(this);  // then in InitPages:
//   AddPage(m_dataPage->Create(this), "数据");
//   // on OK:
//   if (!m_dataPage->IsAssignmentComplete()) ...;
//   if (!m_dataPage->IsNullValueValid()) ...;
//   m_dataPage->GetColumnAssignment(assignment);
#pragma once

#include "pages/CDlgWellPathDataTypeBase.h"

#include <memory>

class QLineEdit;

namespace Ui {
class CDlgSingleWellPathInputData;
}

class CDlgSingleWellPathInputData : public CDlgWellPathDataTypeBase {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10008,
        IDC_MD_INCL_AZIM = 30028,
        IDC_TVD_DX_DY = 30029,
        IDC_TVD_X_Y = 30030,
        IDC_X_Y_Z = 30031,
        IDC_ROW1_LABEL = 30111,
        IDC_ROW2_LABEL = 30112,
        IDC_ROW3_LABEL = 30110,
        IDC_ROW1_COLUMN = 30108,
        IDC_ROW2_COLUMN = 30034,
        IDC_ROW3_COLUMN = 30107,
        IDC_MD_EXISTS = 30109,
        IDC_MD_COLUMN = 30036,
        IDC_HAS_NULL_VALUE = 30113,
        IDC_NULL_VALUE = 30114,
        IDC_KELLY_BUSHING = 30115,
        IDC_MEAN_SEA_LEVEL = 30040,
        IDC_OTHER_REFERENCE = 30041,
        IDC_OTHER_ELEVATION = 30116,
        IDC_AZIMUTH_TRUE_NORTH = 30152,
    };

    explicit CDlgSingleWellPathInputData(QWidget* parent = nullptr);
    ~CDlgSingleWellPathInputData() override;

    // hasMd, hasNullValue, nullValue (when there is one) and azimuthTrueNorth,
    // then the layout and its columns.
    void GetColumnAssignment(welldata::PathColumnAssignment& out) const override;

    bool HasNullValue() const { return m_bHasNullValue; }
    float GetNullValue() const { return m_fNullValue; }
    bool IsAzimuthTrueNorth() const { return m_bAzimuthTrueNorth; }
    // False while "文件中存在空值" is ticked and its box does not hold a number.
    bool IsNullValueValid() const { return !m_bHasNullValue || m_bNullValueIsNumber; }
    QLineEdit* NullValueBox() const;

protected:
    // The base's opening, then MSL, the null value "-9999" and "存在MD".
    void InitPage() override;
    // Also enables the reference controls with row 3 (they make no sense for
    // X, Y, Z, whose Z is an elevation) and "存在MD".
    void SetRowLabels(const QString& row1, const QString& row2, const QString& row3,
                      bool enableRow3) override;

private:
    void OnHasNullValueClicked(bool checked);
    void ReadNullValue();
    void UpdateOtherElevation();

    std::unique_ptr<Ui::CDlgSingleWellPathInputData> m_ui;
    bool m_bHasNullValue = false;
    float m_fNullValue = 0.0f;
    bool m_bNullValueIsNumber = false;
    bool m_bAzimuthTrueNorth = false;
};
