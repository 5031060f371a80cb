// A report list whose cells are edited in place. A plain left click on a cell
// of an editable column opens the shared text box (CEditExt) or drop-down list
// (CComboBoxExt) over it; leaving the editor writes the text into the cell and
// emits cellEditEnded. Shift or Ctrl clicks only select. Scrolling, resizing a
// column or the focus moving away ends an open edit; removing the edited row
// drops it. Header titles can be renamed by double-clicking them.
//
// Column kinds: kNotEditable (the default), kTextEdit, kChoiceList. The
// drop-down choices of the built-in curve list layout (columns 1 to 3: file
// column, curve type, unit) come from the list itself; a list that needs other
// choices derives and overrides ChoicesForCell.
//
// Usage (a curve list page):
//   list->SetCheckBoxes(true);
//   list->InsertColumn(0, "曲线名称", 100); ... list->InsertColumn(3, "单位", 75);
//   list->SetColumnCount(4);
//   list->SetChoiceListScroll(true);
//   list->SetColumnEditKind(0, CEditListCtrl::kTextEdit);
//   for (int c = 1; c <= 3; ++c) list->SetColumnEditKind(c, CEditListCtrl::kChoiceList);
//   list->SetContextMenu(CEditListCtrl::ContextMenu::CheckRows);
//   int row = list->AppendRow({"GR", "2", "GR", "API"});
//   list->SetItemData(row, 21);
//   list->SetCheck(row, true);
//   connect(list, &CEditListCtrl::cellEditEnded, page, &Page::OnCellEdited);
#pragma once

#include "controls/CComboBoxExt.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTableWidget>
#include <vector>

class CEditListCtrl : public QTableWidget {
    Q_OBJECT

public:
    enum EditKind { kNotEditable = -1, kTextEdit = 0, kChoiceList = 1 };

    // The context menus a page can give its list.
    enum class ContextMenu {
        None,
        CheckRows, // "全选(&A)", "清除选择(&C)": tick or untick every row
        Records,   // "添加记录", "删除记录", "删除全部": rows of a value list
    };
    enum MenuId { IDR_CHECK_ROWS_MENU = 10031, IDR_RECORDS_MENU = 10032 };
    enum CommandId {
        ID_CHECK_ALL = 32773,
        ID_UNCHECK_ALL = 32771,
        ID_ADD_RECORD = 32774,
        ID_DELETE_RECORD = 32775,
        ID_DELETE_ALL = 32777,
    };

    // Columns of the built-in curve list layout.
    enum CurveListColumn {
        kCurveNameColumn = 0,
        kFileColumnColumn = 1,
        kCurveTypeColumn = 2,
        kUnitColumn = 3,
    };
    // Item data of a row without a curve type.
    static constexpr int kNoCurve = -1;
    // A drop-down list needs a column at least this wide.
    static constexpr int kMinChoiceColumnWidth = 10;
    static constexpr int kMaxHeaderTitleLength = 255;

    explicit CEditListCtrl(QWidget* parent = nullptr);
    ~CEditListCtrl() override;

    // The number of columns the edit kinds cover (not the number of columns
    // shown). A new positive count makes every column kNotEditable.
    void SetColumnCount(int count);
    int GetColumnCount() const { return static_cast<int>(m_columnEditKinds.size()); }
    // False, changing nothing, for a column at or beyond GetColumnCount().
    bool SetColumnEditKind(int column, int kind);
    int GetColumnEditKind(int column) const;
    // The vertical scroll bar of the drop-down lists.
    void SetChoiceListScroll(bool on) { m_choiceListScroll = on; }
    bool HasChoiceListScroll() const { return m_choiceListScroll; }
    void SetHeaderTitlesEditable(bool editable) { m_headerTitlesEditable = editable; }
    bool AreHeaderTitlesEditable() const { return m_headerTitlesEditable; }
    // The column of the cell clicked last, -1 before any.
    int GetEditColumn() const { return m_editColumn; }

    // Columns and header titles. A column is `width` pixels wide, or as wide
    // as its title needs.
    int InsertColumn(int column, const QString& title, int width);
    QString GetHeaderTitle(int column) const;
    void SetHeaderTitle(int column, const QString& title);
    QStringList GetHeaderTitles() const;

    // Rows. Every cell of a row exists; item data starts as kNoCurve.
    void SetCheckBoxes(bool on);
    bool HasCheckBoxes() const { return m_checkBoxes; }
    int InsertRow(int row, const QString& firstCell);
    int AppendRow(const QStringList& cells);
    QString GetItemText(int row, int column) const;
    bool SetItemText(int row, int column, const QString& text);
    int GetItemData(int row) const;
    bool SetItemData(int row, int data);
    // A row counts as ticked unless its box is unticked.
    bool GetCheck(int row) const;
    bool SetCheck(int row, bool ticked);
    void SetAllChecks(bool ticked);
    // Appends a row numbered " %d" (row count + 1) with empty other cells.
    int AddNumberedRow();
    void DeleteSelectedRows();
    void DeleteAllRows();
    // The focused row (the selection mark), -1 when none.
    int GetSelectionMark() const;

    // The context menu a right click opens; none by default.
    void SetContextMenu(ContextMenu menu) { m_contextMenu = menu; }
    ContextMenu GetContextMenu() const { return m_contextMenu; }
    // Runs a context menu command as choosing it does; false for an unknown id.
    bool RunCommand(int commandId);

    // What a plain click on the cell does: opens its editor when its column is
    // editable. False when no editor opened.
    bool EditCell(int row, int column);
    // What a double click on a header title does when titles are editable.
    bool EditHeaderTitle(int column);
    // Whether an in-place editor of this list is open.
    bool IsEditing() const;
    // Ends an open edit of this list as leaving the editor does.
    void FinishEdit();
    // The entries the drop-down list of a cell offers, in order.
    QStringList GetCellChoiceTexts(int row, int column) const;

signals:
    // After every finished cell edit, with the text the cell now holds.
    void cellEditEnded(int row, int column, const QString& text);
    // After every finished header title edit, with the title now shown.
    void headerTitleEdited(int column, const QString& title);
    // A curve type was chosen in a row: its item data and unit cell follow.
    void curveTypeChosen(int row, int curveId);
    // A context menu command ran.
    void contextCommand(int commandId);

protected:
    // The choices of a drop-down cell. The base offers the curve list's: file
    // column numbers (column 1), curve mnemonics (2), units of the row's curve
    // (3); nothing for other columns.
    virtual QList<CComboBoxExt::Choice> ChoicesForCell(int row, int column) const;

    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QTableWidgetItem* CellItem(int row, int column) const;
    void FillRowItems(int row);
    QRect CheckIndicatorRect(const QModelIndex& index) const;
    QRect CellEditorRect(const QModelIndex& index);
    InPlaceEditRequest CellEditRequest(const QModelIndex& index);
    bool OpenTextBox(const QModelIndex& index);
    bool OpenChoiceList(const QModelIndex& index);
    void EndCellEdit(const QPersistentModelIndex& cell, const QString& text);
    void OnCurveTypeChosen(const QPersistentModelIndex& cell, int curveId);
    void AbandonEdit();
    void OnRowsAboutToBeRemoved(int first, int last);
    void PlaceOpenEditor();
    bool OwnsOpenEditor(const QWidget* editor) const;

    std::vector<int> m_columnEditKinds;
    bool m_choiceListScroll = false;
    bool m_headerTitlesEditable = false;
    bool m_checkBoxes = false;
    int m_editColumn = -1;
    ContextMenu m_contextMenu = ContextMenu::None;
    QPersistentModelIndex m_editedCell;
};
