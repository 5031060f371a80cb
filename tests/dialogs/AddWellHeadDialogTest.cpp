// The new-well dialog: the preset values, the well-symbol box, the problems OK
// lists, numbers read as typed, the unit conversion and the measured interval.
#include "controls/CColorStatic.h"
#include "controls/CPictureComboBox.h"
#include "dialogs/CDlgAddWellHead.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using Dialog = CDlgAddWellHead;

namespace {

QLineEdit* Edit(const QWidget* dialog, int id) {
    return uitest::Control<QLineEdit>(dialog, id);
}

// Replaces the text of an edit as a user does: select all, type.
void Type(const QWidget* dialog, int id, const QString& text) {
    QLineEdit* edit = Edit(dialog, id);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty())
        uitest::TypeText(edit, text);
}

// Clicks a check box on its box: a click right of its text does nothing.
void Click(const QWidget* dialog, int id) {
    auto* box = uitest::Control<QCheckBox>(dialog, id);
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect clickable =
        box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, clickable.center());
}

struct Entries {
    const char* name = "W1";
    const char* x = "20512345";
    const char* y = "4376210";
    const char* kb = "";
};

// Types the entries, runs `more`, presses OK and, when it does not end the
// dialog, Cancel. Returns exec()'s result; `stayedOpen` tells whether OK kept
// the dialog open.
int TypeAndOk(Dialog& dialog, const Entries& entries, bool& stayedOpen,
              const std::function<void(QDialog&)>& more = {}) {
    return uitest::RunModal(dialog, [&](QDialog& d) {
        Type(&d, Dialog::IDC_NAME, QString::fromUtf8(entries.name));
        Type(&d, Dialog::IDC_X, QString::fromUtf8(entries.x));
        Type(&d, Dialog::IDC_Y, QString::fromUtf8(entries.y));
        Type(&d, Dialog::IDC_KB, QString::fromUtf8(entries.kb));
        if (more)
            more(d);
        uitest::PressOk(&d);
        stayedOpen = d.isVisible();
        if (stayedOpen)
            uitest::PressCancel(&d);
    });
}

TEST(AddWellHeadDialog, OpensWithThePresetValuesAndTheWellSymbols) {
    Dialog dialog;
    dialog.Preset(L"井A1", 512.6, 4376210.4, 1193.5f, 0.0f, 2010.0f);
    uitest::RunModal(dialog, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("添加新井位"));
        EXPECT_EQ(d.focusWidget(), Edit(&d, Dialog::IDC_NAME));
        EXPECT_EQ(Edit(&d, Dialog::IDC_NAME)->text(), QString::fromUtf8("井A1"));
        EXPECT_EQ(Edit(&d, Dialog::IDC_X)->text(), "513"); // no decimals
        EXPECT_EQ(Edit(&d, Dialog::IDC_Y)->text(), "4376210");
        EXPECT_EQ(Edit(&d, Dialog::IDC_KB)->text(), "1194");
        EXPECT_EQ(Edit(&d, Dialog::IDC_TOP_DEPTH)->text(), ""); // 0 shows nothing
        EXPECT_EQ(Edit(&d, Dialog::IDC_BOTTOM_DEPTH)->text(), "2010");

        auto* symbols = uitest::Control<CPictureComboBox>(&d, Dialog::IDC_SYMBOL);
        EXPECT_EQ(symbols->count(), 13);
        EXPECT_EQ(symbols->currentIndex(), Dialog::kInitialSymbol);
        EXPECT_EQ(symbols->currentText(), QString::fromUtf8("设计井"));
        EXPECT_EQ(symbols->GetItemHeight(), 18);
        EXPECT_EQ(symbols->GetPictureWidth(), 18);
        EXPECT_EQ(symbols->GetPictureMode(), CPictureComboBox::kGlyphShelfPictures);

        auto* units = uitest::Control<QComboBox>(&d, Dialog::IDC_COOR_UNIT);
        EXPECT_EQ(units->currentText(), "m");
        EXPECT_EQ(units->count(), 2);
        EXPECT_FALSE(units->isEnabled());
        EXPECT_FALSE(uitest::Control<QComboBox>(&d, Dialog::IDC_ELEVATION_UNIT)->isVisible());
        EXPECT_TRUE(
            uitest::Control<CColorStatic>(&d, Dialog::IDC_WORKFLOW_STEP)->autoFillBackground());
        uitest::SaveScreenshot(&d, "add-well-head.png");

        symbols->showPopup();
        QWidget* popup = symbols->view()->window();
        EXPECT_TRUE(popup->isVisible());
        uitest::SaveScreenshot(popup, "add-well-head-symbols.png");
        symbols->hidePopup();
        uitest::PressCancel(&d);
    });
}

TEST(AddWellHeadDialog, OkListsEveryProblemInOneMessageAndStaysOpen) {
    const std::wstring kNoName = L"“井名”不能为空；\r\n";
    const std::wstring kNoX = L"“X坐标”不能为空；\r\n";
    const std::wstring kZeroX = L"“X坐标”不能为0值；\r\n";
    const std::wstring kNoY = L"“Y坐标”不能为空；\r\n";
    const std::wstring kZeroY = L"“Y坐标”不能为0值；\r\n";
    const struct {
        Entries entries;
        std::wstring message; // empty: accepted
    } cases[] = {
        {{"", "100", "200"}, kNoName},
        {{"W1", "0", "200"}, kZeroX},
        {{"W1", "", "200"}, kNoX + kZeroX},
        {{"", "", ""}, kNoName + kNoX + kZeroX + kNoY + kZeroY},
        {{"W1", "east", "200"}, kZeroX}, // text that is no number reads 0
        {{"W1", "100", "-0.0"}, kZeroY},
        {{"W1", "100", " 200"}, L""}, // leading blanks are skipped
        {{"W1", "100", "200"}, L""},
    };
    for (const auto& c : cases) {
        MessageCapture messages;
        Dialog dialog;
        bool stayedOpen = false;
        const int result = TypeAndOk(dialog, c.entries, stayedOpen);
        EXPECT_EQ(stayedOpen, !c.message.empty()) << c.entries.x;
        EXPECT_EQ(result, c.message.empty() ? QDialog::Accepted : QDialog::Rejected);
        if (c.message.empty()) {
            EXPECT_EQ(messages.Count(), 0u);
            continue;
        }
        EXPECT_EQ(messages.Single(), c.message) << c.entries.x;
        if (messages.Count() == 1) {
            EXPECT_EQ(messages.Messages()[0].caption, L"Welvorax");
            EXPECT_EQ(messages.Messages()[0].owner, welldata::MessageOwner::Dialog);
        }
    }
}

TEST(AddWellHeadDialog, NumbersAreReadAsTypedAndCoordinatesConvertedWhenAsked) {
    const struct {
        const char* x;
        const char* kb;
        bool convert;
        const char* unit;
        double expectedX;
        float expectedKb;
    } cases[] = {
        {"100", "1000", true, "ft", 30.48, 1000.0f}, // the elevation is never converted
        {"100", "1000", true, "m", 100.0, 1000.0f},       {"100", "", false, "", 100.0, 0.0f},
        {"12.5m", "1193.6 KB", false, "", 12.5, 1193.6f}, // the number the text starts with
        {"1e3", "abc", false, "", 1000.0, 0.0f},
    };
    for (const auto& c : cases) {
        Dialog dialog;
        bool stayedOpen = true;
        TypeAndOk(dialog, {"W1", c.x, "200", c.kb}, stayedOpen, [&c](QDialog& d) {
            if (!c.convert)
                return;
            Click(&d, Dialog::IDC_CONVERT);
            auto* units = uitest::Control<QComboBox>(&d, Dialog::IDC_COOR_UNIT);
            EXPECT_TRUE(units->isEnabled());
            uitest::ChooseComboText(units, c.unit);
        });
        ASSERT_FALSE(stayedOpen) << c.x;
        const COMMON::STRUCT_WELL_HEAD& head = dialog.GetWellHead();
        EXPECT_DOUBLE_EQ(head.dX, c.expectedX) << c.x;
        EXPECT_DOUBLE_EQ(head.dX2, head.dX);
        EXPECT_DOUBLE_EQ(head.dY, c.convert && std::string(c.unit) == "ft" ? 60.96 : 200.0);
        EXPECT_DOUBLE_EQ(head.dY2, head.dY);
        EXPECT_FLOAT_EQ(head.fKB, c.expectedKb) << c.kb;
        EXPECT_EQ(head.strWellName, L"W1");
        EXPECT_EQ(head.strWellType, L"设计井");
    }
}

TEST(AddWellHeadDialog, DepthsCountOnlyWhileTheMeasuredIntervalIsTicked) {
    const struct {
        int clicks; // on "测量井段"
        const char* top;
        const char* bottom;
        float expectedTop, expectedBottom;
    } cases[] = {
        {0, "1000", "2000", 0.0f, 0.0f}, // typed, but the box was never ticked
        {1, "1000", "2000", 1000.0f, 2000.0f},
        {1, "2000", "1000", 2000.0f, 1000.0f}, // a top below the bottom is kept as typed
        {1, "deep", "1500.5m", 0.0f, 1500.5f},
        {2, "1000", "2000", 0.0f, 0.0f}, // ticked, then cleared again
    };
    for (const auto& c : cases) {
        Dialog dialog;
        bool stayedOpen = true;
        TypeAndOk(dialog, {}, stayedOpen, [&c](QDialog& d) {
            // Typed before the box is touched: the boxes are writable until then.
            Type(&d, Dialog::IDC_TOP_DEPTH, c.top);
            Type(&d, Dialog::IDC_BOTTOM_DEPTH, c.bottom);
            for (int i = 0; i < c.clicks; ++i)
                Click(&d, Dialog::IDC_MEASURED_INTERVAL);
            EXPECT_EQ(Edit(&d, Dialog::IDC_TOP_DEPTH)->isReadOnly(), c.clicks == 2);
            EXPECT_EQ(Edit(&d, Dialog::IDC_BOTTOM_DEPTH)->isReadOnly(), c.clicks == 2);
        });
        ASSERT_FALSE(stayedOpen) << c.top;
        EXPECT_FLOAT_EQ(dialog.GetWellHead().fTopDepth, c.expectedTop) << c.top;
        EXPECT_FLOAT_EQ(dialog.GetWellHead().fBottomDepth, c.expectedBottom) << c.bottom;
    }
}

TEST(AddWellHeadDialog, ChosenSymbolIsTheWellTypeAndCancelLeavesAnEmptyResult) {
    Dialog dialog;
    bool stayedOpen = true;
    TypeAndOk(dialog, {}, stayedOpen, [](QDialog& d) {
        auto* symbols = uitest::Control<CPictureComboBox>(&d, Dialog::IDC_SYMBOL);
        uitest::ChooseComboText(symbols, QString::fromUtf8("气井"));
    });
    EXPECT_EQ(dialog.GetWellHead().strWellType, L"气井");

    Dialog cancelled;
    cancelled.Preset(L"W9", 1.0, 2.0, 3.0f, 4.0f, 5.0f);
    EXPECT_EQ(uitest::RunModal(cancelled, [](QDialog& d) { uitest::PressCancel(&d); }),
              QDialog::Rejected);
    EXPECT_TRUE(cancelled.GetWellHead().strWellName.empty());
    EXPECT_DOUBLE_EQ(cancelled.GetWellHead().dX, 0.0);
}

} // namespace
