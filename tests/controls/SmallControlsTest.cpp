// The tab control's pages, the coloured label and the picture combo box.
#include "controls/CColorStatic.h"
#include "controls/CPictureComboBox.h"
#include "controls/CTabCtrlExt.h"
#include "controls/CWorkflowPanel.h"
#include "controls/ControlId.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Whether some pixel of `area` in `picture` differs from `background`.
bool HasInk(const QImage& picture, const QRect& area, QColor background) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixelColor(x, y) != background)
                return true;
    return false;
}

} // namespace

TEST(TabCtrlExt, PagesAreAddedOnceAndShownAtTheInsets) {
    QWidget dialog;
    auto* tabs = new CTabCtrlExt(&dialog);
    QWidget* first = new QLabel("说明：首先选择井，然后才可以加载井轨迹数据。");
    QWidget* second = new QLabel("数据");
    EXPECT_FALSE(tabs->AddTabPage(nullptr, "数据") || tabs->AddTabPage(first, ""));
    EXPECT_TRUE(tabs->AddTabPage(first, "说明") && tabs->AddTabPage(second, "数据"));
    EXPECT_FALSE(tabs->AddTabPage(first, "again"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_TRUE(tabs->ShowTabPage(second));
    EXPECT_TRUE(tabs->currentIndex() == 1 && second->isVisible() && !first->isVisible());
    QWidget stranger;
    EXPECT_FALSE(tabs->ShowTabPage(&stranger));
    // A bigger control keeps the insets.
    dialog.resize(520, 320);
    tabs->setGeometry(10, 10, 500, 300);
    ASSERT_TRUE(tabs->ShowTabPage(first));
    EXPECT_EQ(QRect(first->mapTo(tabs, QPoint(0, 0)), first->size()),
              tabs->rect().marginsRemoved(CTabCtrlExt::kPageInsets));
    uitest::SaveScreenshot(&dialog, "tab-control.png");
}

TEST(ColorStatic, PaintsItsBackgroundLightGreen) {
    CColorStatic label;
    label.setText(QString::fromWCharArray(L"导入井轨迹"));
    label.resize(120, 30);
    const QImage picture = label.grab().toImage();
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(0xCC, 0xFF, 0xCC));
    uitest::SaveScreenshot(&label, "color-static.png");
}

TEST(PictureComboBox, ListsTheWellSymbolsWithTheirPictures) {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* symbols = new CPictureComboBox(&window);
    layout->addWidget(new QLabel(QString::fromWCharArray(L"井别")));
    layout->addWidget(symbols);
    EXPECT_EQ(symbols->FillFromGlyphShelf(), symbols->GetGlyphShelf().GetSymbolCount());
    EXPECT_EQ(symbols->itemText(0), QString::fromWCharArray(L"油井"));
    symbols->SetPictureSize(18, 18);
    EXPECT_EQ(symbols->view()->sizeHintForRow(0), 18);

    // Entry i shows symbol i + 1 left of its text: the first one too (there is
    // no symbol 0).
    const QColor base = symbols->palette().base().color();
    QImage first(120, 18, QImage::Format_ARGB32);
    first.fill(base);
    QPainter painter(&first);
    symbols->DrawEntry(painter, first.rect(), 0, false);
    painter.end();
    EXPECT_TRUE(HasInk(first, QRect(0, 0, 18, 18), base));

    symbols->setCurrentIndex(8);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    uitest::SaveScreenshot(&window, "picture-combo-box.png");

    symbols->showPopup();
    QWidget* popup = symbols->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    uitest::SaveScreenshot(popup, "picture-combo-box-open.png");
    symbols->hidePopup();
}

TEST(WorkflowPanel, ColoursOnlyTheDialogsOwnStepUnderItsId) {
    CWorkflowPanel panel;
    panel.SetCurrentStep(CWorkflowPanel::Step::CreateWell, 30084);
    panel.SetCurrentStep(CWorkflowPanel::Step::ImportWellPath, 30085);
    auto* current = welldata::FindControl<CColorStatic>(&panel, 30085);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(), QString::fromWCharArray(L"导入井轨迹"));
    EXPECT_TRUE(current->autoFillBackground() &&
                !panel.GetStepStatic(CWorkflowPanel::Step::CreateWell)->autoFillBackground());
    panel.resize(140, 260);
    uitest::SaveScreenshot(&panel, "workflow-panel.png");
}
