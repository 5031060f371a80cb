// The common base of the pages on which the user says how a file carries a
// well path: the layout (PathDataType: MD, INCL, AZIM; TVD, DX, DY; TVD, X, Y;
// X, Y, Z; MD, INCL, AZIM in a log file) chosen with four radio buttons, and
// the file column of each quantity chosen in four drop-down lists (MD, row 1,
// row 2, row 3) whose entries read "%d:%s" (1-based number, column name). The
// labels of rows 1 to 3 follow the layout. Columns are preselected by name
// through the "well_path" section of the settings file each time the layout
// changes, among the columns whose first data value is a number.
//
// Columns are kept 1-based in the order MD, row 1, row 2, row 3, 0 for none.
// In data type 4 the row 3 list names the MD column. What each row stands for
// per data type:
//   0 MD, INCL, AZIM: INCL, AZIM, -        (MD required)
//   1 TVD, DX, DY:    DX, DY, TVD          (MD required)
//   2 TVD, X, Y:      X, Y, TVD            (MD required)
//   3 X, Y, Z:        X, Y, Z              (MD optional)
//   4 log MD, INCL, AZIM: INCL, AZIM, MD
//
// Usage (a derived page): build the .ui, then bind the controls by their ids
// (0 for a control the page does not have; every operation skips it):
//   CDlgMyPathPage::CDlgMyPathPage(QWidget* parent) : CDlgWellPathDataTypeBase(parent) {
//       m_ui->setupUi(this);
//       BindPathControls({{30028, 30029, 30030, 30031}, 30109, {30111, 30112, 30110},
//                         30036, {30108, 30034, 30107}});
//   }
// Override InitPage (call the base first), SetRowLabels or OnDataTypeClicked to
// add to them. The dialog reads the page on OK:
//   if (page->IsAssignmentComplete()) page->GetColumnAssignment(assignment);
#pragma once

#include "pages/CDlgPage.h"
#include "welldata/LoadChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <optional>

class CDlgWellPathDataTypeBase : public CDlgPage {
    Q_OBJECT

public:
    // The four choice lists and the elements of the column array they feed.
    enum ColumnElement { kMdElement = 0, kRow1Element = 1, kRow2Element = 2, kRow3Element = 3 };
    static constexpr int kRowCount = 3;
    static constexpr int kDataTypeRadioCount = 4;

    // Control ids of the path controls in a derived page's .ui; 0 for none.
    struct PathControlIds {
        std::array<int, kDataTypeRadioCount> dataTypeRadios{};
        int mdExistsBox = 0;
        std::array<int, kRowCount> rowLabels{};
        int mdList = 0;
        std::array<int, kRowCount> rowLists{};
    };

    explicit CDlgWellPathDataTypeBase(QWidget* parent = nullptr);

    // Writes dataType and the layout's columns (and MD) into `out`; the other
    // columns keep what `out` holds. Layout 0 also sets hasMd.
    virtual void GetColumnAssignment(welldata::PathColumnAssignment& out) const;
    // Whether every column the layout needs is chosen.
    virtual bool IsAssignmentComplete() const;
    // Fills the four lists with one "%d:%s" entry per column of the file.
    virtual void FillColumnChoices();
    // Preselects the layout's columns by name (see above). A recognised column
    // replaces the choice of its row; the MD choice stays when no MD column is
    // recognised.
    virtual void AutoAssignColumns();

    std::int32_t GetDataType() const { return m_nDataType; }
    bool HasMd() const { return m_bHasMd; }
    // Column elements in ColumnElement order: 1-based, 0 or -1 for none.
    const std::array<std::int32_t, 4>& GetColumns() const { return m_columns; }

protected:
    // The page's opening: taller drop-down lists, InitPage, AutoAssignColumns.
    void OnInitDialog() override;
    // Chooses layout 1 (TVD, DX, DY) with its radio button, then fills the lists.
    virtual void InitPage();
    // Sets the row labels and enables the row 3 list by `enableRow3`.
    virtual void SetRowLabels(const QString& row1, const QString& row2, const QString& row3,
                              bool enableRow3);
    // A data type radio button was clicked: labels, enabling and the data type
    // by the button's position (first: 0 ... fourth: 3), then AutoAssignColumns.
    virtual void OnDataTypeClicked(int controlId);
    // "存在MD" was clicked: hasMd follows it and the MD list with it.
    virtual void OnMdExistsClicked();

    void BindPathControls(const PathControlIds& ids);
    void SetDataType(std::int32_t dataType) { m_nDataType = dataType; }
    void SetHasMd(bool hasMd) { m_bHasMd = hasMd; }
    void SetColumn(ColumnElement element, std::int32_t column) { m_columns[element] = column; }
    // Chooses the data type radio button at `position` (0 to 3) as a click does.
    void ClickDataTypeRadio(int position);
    // The position (0 to 3) of a data type radio button's control id, -1 for none.
    int DataTypeRadioPosition(int controlId) const;

    QRadioButton* DataTypeRadio(int position) const;
    QCheckBox* MdExistsBox() const { return m_pMdExists; }
    QLabel* RowLabel(int row) const;
    QComboBox* MdList() const { return m_pMdList; }
    QComboBox* RowList(int row) const;
    // The column element a choice list feeds: the row 3 list feeds MD in data type 4.
    ColumnElement ElementOfList(const QComboBox* list) const;
    // The path column an element stands for in the current data type, none for a
    // row that stands for nothing.
    std::optional<welldata::PathColumn> PathColumnOfElement(ColumnElement element) const;

private:
    void OnColumnChosen(QComboBox* list, int index);
    // Shows each list's element as its selection.
    void ShowColumnChoices();
    void UpdateMdListEnabled();
    std::array<QComboBox*, 4> ChoiceLists() const;

    std::array<std::int32_t, 4> m_columns{};
    bool m_bHasMd = false;
    std::int32_t m_nDataType = PATH_TVD_DX_DY;

    std::array<int, kDataTypeRadioCount> m_radioIds{};
    std::array<QPointer<QRadioButton>, kDataTypeRadioCount> m_radios;
    QPointer<QCheckBox> m_pMdExists;
    std::array<QPointer<QLabel>, kRowCount> m_rowLabels;
    QPointer<QComboBox> m_pMdList;
    std::array<QPointer<QComboBox>, kRowCount> m_rowLists;
};
