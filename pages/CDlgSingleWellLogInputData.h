// The data page of the single well log import ("数据" tab): the curves of a
// text table (its numeric columns) or of a LAS file (its "~C" curve lines)
// in the curve list of CDlgWellLogDataBase, whether undefined values are
// skipped ("跳过未定义的值"), and a well path the same file may carry
// ("加载井轨迹", with the path layout and its columns; the MD column is the
// file column of the curve whose type is the depth).
//
// Curves are recognised through the "well_log" section of the settings file:
// a recognised curve gets its type (and for a text table the type's default
// unit); a LAS curve keeps the unit the file gives it. The units of a LAS
// file's depth and coordinate curves are read for the unit page.
//
// The path controls are usable only while "加载井轨迹" is ticked; the layout
// starts as TVD, DX, DY, and each layout chosen is told to the dialog (see
// IPathDataTypeOwner).
//
// Usage (the single well log dialog):
//   m_dataPage = new CDlgSingleWellLogInputData(this);  // then in InitPages:
//   AddPage(m_dataPage->Create(this), "数据");
//   // on OK:
//   assignment.dataType = m_dataPage->GetDataType();
//   m_dataPage->CollectCurves(curves);
//   m_dataPage->GetColumnAssignment(assignment);
#pragma once

#include "pages/CDlgWellLogDataBase.h"
#include "welldata/Common.h"

#include <memory>

namespace Ui {
class CDlgSingleWellLogInputData;
}

class CDlgSingleWellLogInputData : public CDlgWellLogDataBase {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10013,
        IDC_MD_INCL_AZIM = 30052,
        IDC_TVD_DX_DY = 30053,
        IDC_TVD_X_Y = 30054,
        IDC_X_Y_Z = 30055,
        IDC_ROW1_LABEL = 30121,
        IDC_ROW2_LABEL = 30127,
        IDC_ROW3_LABEL = 30120,
        IDC_ROW1_COLUMN = 30094,
        IDC_ROW2_COLUMN = 30095,
        IDC_ROW3_COLUMN = 30093,
        IDC_SKIP_UNDEFINED = 30096,
        IDC_CONVERT_Z = 30097,
        IDC_LOAD_PATH = 30150,
    };

    explicit CDlgSingleWellLogInputData(QWidget* parent = nullptr);
    ~CDlgSingleWellLogInputData() override;

    // A text table's numeric columns or a LAS file's curves; the number of
    // columns or curve lines of the file, 0 without a reader or names.
    int FillCurveList() override;
    // The base's collection; the MD column then is the file column of the
    // last collected curve whose type is the depth, 0 without one.
    int CollectCurves(std::list<COMMON::STRUCT_CURVE_ITEM>& out) override;

    bool GetSkipUndefinedValues() const { return m_bSkipUndefinedValues; }
    bool GetLoadPath() const { return m_bLoadPath; }
    // The units of a LAS file's depth and coordinate curves; metres else.
    COMMON::ENUM_COOR_UNIT GetDepthUnit() const { return m_eDepthUnit; }
    COMMON::ENUM_COOR_UNIT GetCoordinateUnit() const { return m_eCoordinateUnit; }

protected:
    // The base's set-up, taller lists again and "转换Z坐标值" ticked.
    void InitPage() override;
    // The path controls start unusable.
    void OnCurvesListed() override;
    // The row labels; the rows are usable only while the path is loaded.
    void SetRowLabels(const QString& row1, const QString& row2, const QString& row3,
                      bool enableRow3) override;
    // Labels, data type (4 for MD, INCL, AZIM) and the text of box 30097 by
    // the button, then AutoAssignColumns; the dialog is told the data type.
    void OnDataTypeClicked(int controlId) override;

private:
    void OnLoadPathClicked(bool checked);
    void EnablePathControls();
    int FillFromLas();
    int FillFromTable();

    std::unique_ptr<Ui::CDlgSingleWellLogInputData> m_ui;
    bool m_bSkipUndefinedValues = false;
    bool m_bLoadPath = false;
    COMMON::ENUM_COOR_UNIT m_eDepthUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_eCoordinateUnit = COMMON::COOR_UNIT_M;
};
