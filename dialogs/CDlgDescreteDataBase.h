// The base of the dialogs that show a table of discrete samples (rock core
// data) in a list before it is loaded: one list column per header cell, one
// list row per data row, at most the first 100 data rows. The list is filled
// once, before the dialog is first shown; a file that cannot be read leaves it
// empty and the dialog open. The rows read stay in the reader: whoever runs the
// dialog clears them.
//
// The derived dialog's .ui holds the list (a QTableWidget promoted to
// CEditListCtrl) under the control id given to the constructor.
//
// Usage (a derived dialog):
//   CDlgRockCoreDescribe::CDlgRockCoreDescribe(CDataFileReader* reader, QWidget* parent)
//       : CDlgDescreteDataBase(reader, IDC_DATA_LIST /*30138*/, parent), m_ui(...) {
//       m_ui->setupUi(this);
//   }
//   int CDlgRockCoreDescribe::InitDataList() {
//       const int rows = CDlgDescreteDataBase::InitDataList();
//       ... fill the column choices from HeaderNames() ...
//   }
#pragma once

#include "reader/RowTable.h"

#include <QDialog>
#include <QPointer>
#include <string>
#include <vector>

class CDataFileReader;
class CEditListCtrl;
class QLabel;

class CDlgDescreteDataBase : public QDialog {
    Q_OBJECT

public:
    // The read mode of the list's read (the whole file, without progress) and
    // the most data rows the list shows.
    static constexpr int kRowLimit = 100;
    static constexpr int kColumnWidth = 80;

    // `reader` is borrowed and holds the chosen file; it may be null (the list
    // then stays empty).
    CDlgDescreteDataBase(CDataFileReader* reader, int listId, QWidget* parent = nullptr);
    ~CDlgDescreteDataBase() override;

    CDataFileReader* GetReader() const { return m_pReader; }
    CEditListCtrl* GetDataList() const;

    // Opening runs OnInitDialog once, before the dialog is first shown.
    void setVisible(bool visible) override;

protected:
    // Fills the list (InitDataList).
    virtual void OnInitDialog();
    // Reads the file and fills the list; the number of rows added, 0 when the
    // file could not be read or has no header cell.
    virtual int InitDataList();
    // One column per header cell, titled by HeaderTitle; the number added.
    virtual int InsertHeaderColumns();
    // One list row per data row, at most `rowLimit`; the number added. A row
    // shorter than the header leaves its last cells empty.
    virtual int InsertDataRows(int rowLimit);
    // The title of the column of header cell `number` (1-based): "%d:%s".
    virtual QString HeaderTitle(int number, const QString& name) const;

    // The file's column names, as read: empty before the read or after a
    // failed one.
    std::vector<std::wstring> HeaderNames() const;
    // Shows the information picture beside a hint.
    void ShowHintPicture(QLabel* picture) const;

private:
    CDataFileReader* m_pReader;
    int m_nListId;
    mutable QPointer<CEditListCtrl> m_pList;
    bool m_bInitialised = false;
};
