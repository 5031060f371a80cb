// The tab control of the import dialogs. Each tab carries one page (a child
// widget of the dialog); the page is placed inside the control with fixed
// insets from its edges: 17 pixels left, 34 top (the tabs take the first part
// of that), 4 right and 4 bottom.
//
// Usage (a dialog's InitPages):
//   tabs->AddTabPage(hintsPage, "说明");
//   tabs->AddTabPage(dataPage, "数据");
//   tabs->ShowTabPage(hintsPage);
//   // the dialog shows the page of a newly selected tab:
//   connect(tabs, &QTabWidget::currentChanged, this, [this](int i) {
//   tabs->ShowTabPage(tabs->PageAt(i)); });
#pragma once

#include <QMargins>
#include <QPointer>
#include <QTabWidget>

class CTabCtrlExt : public QTabWidget {
    Q_OBJECT

public:
    static constexpr QMargins kPageInsets{17, 34, 4, 4};

    explicit CTabCtrlExt(QWidget* parent = nullptr);

    // Appends a tab titled `title` that carries `page`. False, adding nothing,
    // for a null page, an empty title or a page the control already holds.
    bool AddTabPage(QWidget* page, const QString& title);
    // Selects the tab of `page` and shows the page in place. False for a null
    // page or one the control does not hold.
    bool ShowTabPage(QWidget* page);

    // The page a tab carries, null for a tab without one or a wrong index.
    QWidget* PageAt(int index) const;
    int IndexOfPage(const QWidget* page) const;
    // The page shown now, null before the first ShowTabPage.
    QWidget* GetCurrentPage() const { return m_currentPage; }
    // Where a page goes, in the control's coordinates.
    QRect PageRect() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlacePage(QWidget* page);

    QPointer<QWidget> m_currentPage;
};
