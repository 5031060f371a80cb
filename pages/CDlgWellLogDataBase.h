// The common part of the two well log data pages: the file's curves in an
// editable list (30056) with check boxes, one row a curve: its name (edited
// in a text box), its 1-based file column, its curve type and its unit (each
// chosen from a drop-down list; choosing a type sets the type's first unit).
// Each row's item data is the curve id of its type, -1 for none; every row
// starts ticked, and the list's context menu ticks or unticks every row.
//
// The derived page lists the curves when it opens (FillCurveList); a page
// that can list nothing abandons the import: its dialog ends as cancelled.
// On OK the dialog collects one curve per ticked row (CollectCurves).
//
// Usage (a derived page): build the .ui, bind the path controls it has, then
//   int CDlgMyLogPage::FillCurveList() { return ShowCurves(...rows of the file...); }
#pragma once

#include "loaders/TableCurveList.h"
#include "pages/CDlgWellPathDataTypeBase.h"
#include "welldata/Common.h"

#include <list>
#include <vector>

class CEditListCtrl;

class CDlgWellLogDataBase : public CDlgWellPathDataTypeBase {
    Q_OBJECT

public:
    enum { IDC_CURVE_LIST = 30056 };
    // A cell is read into this many characters, its terminating null included.
    static constexpr int kCellBufferLength = 128;

    // Fills the list from the dialog's reader; the number of curves the file
    // names, 0 when nothing could be listed.
    virtual int FillCurveList() = 0;
    // Appends one curve per ticked row, in list order: name, column (the
    // integer the column cell reads), type and unit, each cut to 127
    // characters. Returns the number of rows in the list.
    virtual int CollectCurves(std::list<COMMON::STRUCT_CURVE_ITEM>& out);

    CEditListCtrl* GetCurveList() const { return m_pCurveList; }

protected:
    // The name column takes the room the list has beyond its columns' widths.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // `page` says how the rows are collected (see TableCurveList).
    CDlgWellLogDataBase(TableCurveList::Page page, QWidget* parent);

    void BindCurveList(CEditListCtrl* list) { m_pCurveList = list; }
    // The base's opening, then FillCurveList; with nothing listed the page
    // ends its dialog, else OnCurvesListed.
    void OnInitDialog() override;
    // The base's set-up, then the list's columns, editors and menu.
    void InitPage() override;
    virtual void OnCurvesListed() {}
    // Replaces the rows of the list by `rows`, each ticked.
    void ShowCurves(const std::vector<TableCurveList::ListedCurve>& rows);

private:
    void SetUpCurveList();
    void FitNameColumn();
    // A cell's text as a 128-character buffer holds it.
    QString CellText(int row, int column) const;

    TableCurveList::Page m_page;
    CEditListCtrl* m_pCurveList = nullptr;
};
