// The common base of the import dialogs that show a data file before it is
// loaded. When the dialog opens it has the reader read the start of the file
// and shows it in the preview box: for a text table the header row numbered
// ("1:NAME            2:X ..."), ten data rows and "......"; for a LAS file
// (reader data format LAS) the raw lines the preview read kept. Then it runs
// InitPages. A file that cannot be read ends the dialog as cancelled before it
// is shown. Selecting a tab shows its page; the reader's rows are cleared when
// the dialog ends.
//
// The derived dialog's .ui holds the preview box (a QPlainTextEdit) and the tab
// control (a QTabWidget promoted to CTabCtrlExt) under the control ids given to
// the constructor; either may be missing (id 0 or not in the .ui). A page that
// must abandon the import (nothing it can list) calls the dialog's reject(),
// also while the dialog opens: the dialog then ends without being shown.
//
// Usage (a derived dialog):
//   CDlgImportSingleWellPath::CDlgImportSingleWellPath(CDataFileReader* reader, QWidget* parent)
//       : CDlgImportBase(reader, IDC_PREVIEW /*30027*/, IDC_TABS /*30026*/, parent),
//         m_ui(std::make_unique<Ui::CDlgImportSingleWellPath>()) { m_ui->setupUi(this); }
//   void CDlgImportSingleWellPath::InitPages() {
//       AddPage(m_hintsPage, "说明"); AddPage(m_dataPage, "数据"); AddPage(m_unitPage, "单位");
//       GetTabCtrl()->ShowTabPage(m_hintsPage);
//   }
//   void CDlgImportSingleWellPath::accept() {    // OK: validate, hand over, then end
//       if (!Validate()) return;
//       HandOver(); CDlgImportBase::accept();
//   }
// The entry point: CDlgImportSingleWellPath dialog(&reader); dialog.SetLoader(&path);
//                  if (dialog.exec() == QDialog::Accepted) path.LoadPath();
#pragma once

#include "reader/RowTable.h"

#include <QDialog>
#include <QPointer>

class CDataFileReader;
class CTabCtrlExt;
class QPlainTextEdit;

class CDlgImportBase : public QDialog {
    Q_OBJECT

public:
    // Data rows shown under the header row in a table preview.
    static constexpr int kPreviewDataRows = 10;

    // `reader` is borrowed; it may be null (the dialog then ends at once).
    CDlgImportBase(CDataFileReader* reader, int previewId, int tabId, QWidget* parent = nullptr);
    ~CDlgImportBase() override;

    CDataFileReader* GetReader() const { return m_pReader; }
    QPlainTextEdit* GetPreviewBox() const;
    CTabCtrlExt* GetTabCtrl() const;
    // Whether opening read the file; false before opening and after a failed read.
    bool IsFileRead() const { return m_bFileRead; }

    // One preview line of a row, without its line end: numbered, each cell as
    // "%d:%-16s"; else each cell as "%-18s".
    static QString FormatPreviewRow(const Row& row, bool numbered);

    // Opening runs OnInitDialog once, before the dialog is first shown. A
    // dialog ended while it opens (its file could not be read, a page asked to
    // close it) returns from exec() at once and is never shown.
    int exec() override;
    void setVisible(bool visible) override;
    // Ending (OK, Cancel, a failed read) runs OnDestroyDialog once.
    void done(int result) override;

protected:
    // The preview, then InitPages. False when the file could not be read; the
    // dialog has then been asked to end as cancelled.
    virtual bool OnInitDialog();
    // Adds a tab carrying `page`. False only for a null page.
    virtual bool AddPage(QWidget* page, const QString& title);
    // Creates the dialog's pages. Empty here.
    virtual void InitPages() {}
    // Appends one line built from `row` to the preview box.
    virtual void AddPreviewRow(Row row, bool numbered);
    // Offered the file's first row once, before the preview; ignored here.
    virtual void OnHeaderRow(Row row);
    // Shows the page of tab `index`; a tab without a page changes nothing.
    virtual void OnTabSelChange(int index);
    // Clears the reader's rows.
    virtual void OnDestroyDialog();

    // Appends `text` at the end of the preview box, when there is one.
    void AppendPreviewText(const QString& text);

private:
    void Bind() const;
    void Initialise();
    bool PreviewTable();
    bool PreviewRawText();

    CDataFileReader* m_pReader;
    int m_nPreviewId;
    int m_nTabId;
    mutable bool m_bBound = false;
    mutable QPointer<QPlainTextEdit> m_pPreview;
    mutable QPointer<CTabCtrlExt> m_pTabs;
    bool m_bInitialised = false;
    bool m_bInitialising = false;
    bool m_bFileRead = false;
    // An end asked for while opening, carried out once opening is over.
    bool m_bEndRequested = false;
    int m_nEndResult = QDialog::Rejected;
    bool m_bDestroyed = false;
};
