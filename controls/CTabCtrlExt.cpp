#include "controls/CTabCtrlExt.h"

#include <QStringList>
#include <QTabBar>
#include <algorithm>

namespace {

constexpr const char* kPageProperty = "tabPage";
// A cell height of 15 pixels.
constexpr int kTabFontPixelSize = 12;

// The widget a tab shows: it holds the page and keeps it at the control's
// insets whatever the frame and tab bar take.
class TabPageFrame : public QWidget {
public:
    TabPageFrame(CTabCtrlExt* tabs, QWidget* page) : m_tabs(tabs), m_page(page) {
        page->setParent(this);
    }

    QSize sizeHint() const override { return PageSize(m_page ? m_page->sizeHint() : QSize()); }
    QSize minimumSizeHint() const override {
        return PageSize(m_page ? m_page->minimumSizeHint() : QSize());
    }

    void PlacePage() {
        if (!m_page)
            return;
        const QRect wanted(mapFrom(m_tabs, m_tabs->PageRect().topLeft()),
                           m_tabs->PageRect().size());
        m_page->setGeometry(wanted.intersected(rect()));
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        PlacePage();
    }

private:
    QSize PageSize(QSize page) const {
        const QMargins insets = CTabCtrlExt::kPageInsets;
        const int tabBarHeight = m_tabs->tabBar()->sizeHint().height();
        return page.grownBy(QMargins(insets.left(), std::max(0, insets.top() - tabBarHeight),
                                     insets.right(), insets.bottom()));
    }

    CTabCtrlExt* m_tabs;
    QPointer<QWidget> m_page;
};

} // namespace

CTabCtrlExt::CTabCtrlExt(QWidget* parent) : QTabWidget(parent) {
    QFont tabFont = parent != nullptr ? parent->font() : font();
    tabFont.setFamilies(QStringList{QStringLiteral("Arial"), tabFont.family()});
    tabFont.setPixelSize(kTabFontPixelSize);
    tabBar()->setFont(tabFont);
}

bool CTabCtrlExt::AddTabPage(QWidget* page, const QString& title) {
    if (page == nullptr || title.isEmpty() || IndexOfPage(page) >= 0)
        return false;
    auto* frame = new TabPageFrame(this, page);
    const int index = addTab(frame, title);
    if (index < 0)
        return false;
    frame->setProperty(kPageProperty, QVariant::fromValue<QObject*>(page));
    page->show();
    return true;
}

bool CTabCtrlExt::ShowTabPage(QWidget* page) {
    const int index = IndexOfPage(page);
    if (page == nullptr || index < 0)
        return false;
    m_currentPage = page;
    setCurrentIndex(index);
    PlacePage(page);
    page->show();
    page->update();
    return true;
}

QWidget* CTabCtrlExt::PageAt(int index) const {
    const QWidget* frame = widget(index);
    if (frame == nullptr)
        return nullptr;
    return qobject_cast<QWidget*>(frame->property(kPageProperty).value<QObject*>());
}

int CTabCtrlExt::IndexOfPage(const QWidget* page) const {
    if (page == nullptr)
        return -1;
    for (int index = 0; index < count(); ++index) {
        if (PageAt(index) == page)
            return index;
    }
    return -1;
}

QRect CTabCtrlExt::PageRect() const {
    return rect().marginsRemoved(kPageInsets);
}

void CTabCtrlExt::PlacePage(QWidget* page) {
    if (auto* frame = dynamic_cast<TabPageFrame*>(page->parentWidget()))
        frame->PlacePage();
}

void CTabCtrlExt::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    for (int index = 0; index < count(); ++index) {
        if (QWidget* page = PageAt(index))
            PlacePage(page);
    }
}
