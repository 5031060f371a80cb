// The common base of the pages that an import dialog shows on its tabs. A page
// is built from its .ui in its constructor and stays hidden until its dialog
// creates it: Create makes it a child of the dialog and opens it (OnInitDialog)
// once, so that a page reads its dialog's file when the dialog opens, whether
// or not its tab is ever shown. A page that was never created "has no window":
// its dialog reads nothing from it.
//
// Usage (a page):
//   class CDlgMyPage : public CDlgPage {
//       void OnInitDialog() override { ... GetReader() ... }
//   };
// Usage (its dialog): construct the page with the dialog as parent, then in InitPages
//   AddPage(m_page->Create(this), "数据");
#pragma once

#include <QWidget>

class CDataFileReader;
class CDlgImportBase;

class CDlgPage : public QWidget {
    Q_OBJECT

public:
    explicit CDlgPage(QWidget* parent = nullptr);

    // Makes the page a child of `dialog` and opens it, the first time only.
    // Returns the page, for the dialog's AddPage.
    CDlgPage* Create(QWidget* dialog);
    bool HasWindow() const { return m_bCreated; }

    // The import dialog the page sits in, and its file reader; null when the
    // page is not inside one.
    CDlgImportBase* GetParentDialog() const;
    CDataFileReader* GetReader() const;

protected:
    // The page's opening: runs once, inside Create.
    virtual void OnInitDialog() {}

private:
    bool m_bCreated = false;
};
