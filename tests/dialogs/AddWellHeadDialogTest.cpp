// The new-well dialog: the preset values, the well-symbol box, the problems OK
// lists, numbers read as typed, the unit conversion, the measured interval and
// Cancel leaving an empty result.
#include "controls/CPictureComboBox.h"
#include "dialogs/CDlgAddWellHead.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using Dialog = CDlgAddWellHead;

namespace {

QLineEdit* Edit(const QWidget* dialog, int id) {
    return uitest::Control<QLineEdit>(dialog, id);
}

void Type(const QWidget* dialog, int id, const char* text) {
    uitest::RetypeText(Edit(dialog, id), QString::fromUtf8(text));
}

// The well head OK gave: name, type, X, X2, Y, Y2, KB, top and bottom.
QString Described(const COMMON::STRUCT_WELL_HEAD& head) {
    QStringList texts{QString::fromStdWString(head.strWellName),
                      QString::fromStdWString(head.strWellType)};
    for (double value : {head.dX, head.dX2, head.dY, head.dY2, double(head.fKB),
                         double(head.fTopDepth), double(head.fBottomDepth)})
        texts << QString::number(value);
    return texts.join(' ');
}

struct Entries {
    const char* name = "W1";
    const char* x = "20512345";
    const char* y = "4376210";
    const char* kb = "";
};

// Types the entries, runs `more` and presses OK (then Cancel when OK leaves
// the dialog open). Returns whether OK ended it.
bool TypeAndOk(Dialog& dialog, const Entries& entries,
               const std::function<void(QDialog&)>& more = {}) {
    return uitest::RunModal(dialog, [&](QDialog& d) {
               Type(&d, Dialog::IDC_NAME, entries.name);
               Type(&d, Dialog::IDC_X, entries.x);
               Type(&d, Dialog::IDC_Y, entries.y);
               Type(&d, Dialog::IDC_KB, entries.kb);
               if (more)
                   more(d);
               uitest::PressOk(&d);
               if (d.isVisible())
                   uitest::PressCancel(&d);
           }) == QDialog::Accepted;
}

TEST(AddWellHeadDialog, OpensWithThePresetValuesAndCancelLeavesAnEmptyResult) {
    Dialog dialog;
    dialog.Preset(L"井A1", 512.6, 4376210.4, 1193.5f, 0.0f, 2010.0f);
    const int result = uitest::RunModal(dialog, [](QDialog& d) {
        EXPECT_EQ(d.focusWidget(), Edit(&d, Dialog::IDC_NAME));
        QStringList shown; // whole numbers; 0 shows nothing
        for (int id : {Dialog::IDC_NAME, Dialog::IDC_X, Dialog::IDC_Y, Dialog::IDC_KB,
                       Dialog::IDC_TOP_DEPTH, Dialog::IDC_BOTTOM_DEPTH})
            shown << Edit(&d, id)->text();
        EXPECT_EQ(shown, (QStringList{"井A1", "513", "4376210", "1194", "", "2010"}));
        auto* symbols = uitest::Control<CPictureComboBox>(&d, Dialog::IDC_SYMBOL);
        EXPECT_EQ(symbols->currentText(), "设计井");
        uitest::SaveScreenshot(&d, "add-well-head.png");
        symbols->showPopup();
        uitest::SaveScreenshot(symbols->view()->window(), "add-well-head-symbols.png");
        symbols->hidePopup();
        // "convert" ticked and unticked again leaves both unit lists out of use.
        uitest::PressButton(&d, Dialog::IDC_CONVERT);
        uitest::PressButton(&d, Dialog::IDC_CONVERT);
        for (int id : {Dialog::IDC_COOR_UNIT, Dialog::IDC_ELEVATION_UNIT})
            EXPECT_FALSE(uitest::Control<QComboBox>(&d, id)->isEnabled()) << id;
        uitest::PressCancel(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Described(dialog.GetWellHead()), "  0 0 0 0 0 0 0");
}

TEST(AddWellHeadDialog, OkListsEveryProblemInOneMessageAndStaysOpen) {
    const std::wstring kNoName = L"“井名”不能为空；\r\n";
    const std::wstring kNoX = L"“X坐标”不能为空；\r\n";
    const std::wstring kZeroX = L"“X坐标”不能为0值；\r\n";
    const std::wstring kNoY = L"“Y坐标”不能为空；\r\n";
    const std::wstring kZeroY = L"“Y坐标”不能为0值；\r\n";
    const std::pair<Entries, std::wstring> cases[] = {
        // no message: accepted
        {{"", "100", "200"}, kNoName},
        {{"W1", "0", "200"}, kZeroX},
        {{"W1", "", "200"}, kNoX + kZeroX},
        {{"", "", ""}, kNoName + kNoX + kZeroX + kNoY + kZeroY},
        {{"W1", "east", "200"}, kZeroX}, // text that is no number reads 0
        {{"W1", "100", "-0.0"}, kZeroY},
        {{"W1", "100", " 200"}, L""}, // leading blanks are skipped
    };
    for (const auto& [entries, message] : cases) {
        testing_support::MessageCapture messages;
        Dialog dialog;
        EXPECT_EQ(TypeAndOk(dialog, entries), message.empty()) << entries.x;
        ASSERT_EQ(messages.Count(), message.empty() ? 0u : 1u) << entries.x;
        for (const welldata::MessageRequest& m : messages.Messages())
            EXPECT_EQ(
                std::tuple(m.text, m.caption, m.owner),
                std::tuple(message, std::wstring(L"Welvorax"), welldata::MessageOwner::Dialog));
    }
}

TEST(AddWellHeadDialog, OkReadsNumbersAsTypedAndConvertsOnlyTheCoordinates) {
    // The depths are typed before "测量井段" is touched, while they are writable,
    // and count only while it is ticked.
    const struct {
        const char* x;
        const char* kb;
        const char* unit; // "convert" ticked with this unit; null: never ticked
        int clicks;       // on "测量井段"
        const char* top;
        const char* bottom;
        const char* symbol; // null: the initial one
        QString head;
    } cases[] = {
        // A top below the bottom is kept as typed.
        {"100", "1000", "ft", 1, "2000", "1000", nullptr,
         "W1 设计井 30.48 30.48 60.96 60.96 1000 2000 1000"},
        {"100", "1000", "m", 0, "1000", "2000", nullptr, "W1 设计井 100 100 200 200 1000 0 0"},
        // The number the text starts with.
        {"12.5m", "1193.6 KB", nullptr, 1, "deep", "1500.5m", "气井",
         "W1 气井 12.5 12.5 200 200 1193.6 0 1500.5"},
        {"1e3", "abc", nullptr, 2, "1000", "2000", nullptr, "W1 设计井 1000 1000 200 200 0 0 0"},
    };
    for (const auto& c : cases) {
        Dialog dialog;
        ASSERT_TRUE(TypeAndOk(dialog, {"W1", c.x, "200", c.kb}, [&c](QDialog& d) {
            Type(&d, Dialog::IDC_TOP_DEPTH, c.top);
            Type(&d, Dialog::IDC_BOTTOM_DEPTH, c.bottom);
            for (int i = 0; i < c.clicks; ++i)
                uitest::PressButton(&d, Dialog::IDC_MEASURED_INTERVAL);
            for (int id : {Dialog::IDC_TOP_DEPTH, Dialog::IDC_BOTTOM_DEPTH})
                EXPECT_EQ(Edit(&d, id)->isReadOnly(), c.clicks == 2) << id;
            if (c.symbol != nullptr)
                uitest::ChooseComboText(uitest::Control<QComboBox>(&d, Dialog::IDC_SYMBOL),
                                        QString::fromUtf8(c.symbol));
            if (c.unit == nullptr)
                return;
            uitest::PressButton(&d, Dialog::IDC_CONVERT);
            auto* units = uitest::Control<QComboBox>(&d, Dialog::IDC_COOR_UNIT);
            EXPECT_TRUE(units->isEnabled());
            uitest::ChooseComboText(units, c.unit);
        })) << c.x;
        EXPECT_EQ(Described(dialog.GetWellHead()), c.head);
    }
}

} // namespace
