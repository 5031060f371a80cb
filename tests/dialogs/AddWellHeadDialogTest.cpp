// The new-well dialog: the preset values, the well-symbol box, the problems OK
// lists, numbers read as typed, the unit conversion and the measured interval.
#include "controls/CPictureComboBox.h"
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/DialogFixture.h"
#include "uisupport/WidgetDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <array>
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

// Types name, X, Y and KB, runs `more` and presses OK (then Cancel when OK
// leaves the dialog open). Returns whether OK ended it.
bool TypeAndOk(Dialog& dialog, std::array<const char*, 4> entries,
               const std::function<void(QDialog&)>& more = {}) {
    return uitest::RunModal(dialog, [&](QDialog& d) {
               const int ids[] = {Dialog::IDC_NAME, Dialog::IDC_X, Dialog::IDC_Y, Dialog::IDC_KB};
               for (int i = 0; i < 4; ++i)
                   Type(&d, ids[i], entries[i]);
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
        EXPECT_EQ(std::tuple(symbols->currentIndex(), symbols->GetItemHeight(),
                             symbols->GetPictureWidth(), symbols->currentText()),
                  std::tuple(8, 18, 18, QString("设计井")));
        uitest::SaveScreenshot(&d, "add-well-head.png");
        symbols->showPopup();
        uitest::SaveScreenshot(symbols->view()->window(), "add-well-head-symbols.png");
        symbols->hidePopup();
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
    const std::pair<std::array<const char*, 4>, std::wstring> cases[] = {
        {{"", "100", "200", ""}, kNoName},
        {{"W1", "", "200", ""}, kNoX + kZeroX},
        {{"", "", "", ""}, kNoName + kNoX + kZeroX + kNoY + kZeroY},
        {{"W1", "east", "200", ""}, kZeroX}, // text that is no number reads 0
        {{"W1", "100", " 200", ""}, L""},    // leading blanks are skipped
    };
    for (const auto& [entries, message] : cases) {
        testing_support::MessageCapture messages;
        Dialog dialog;
        EXPECT_EQ(TypeAndOk(dialog, entries), message.empty()) << entries[1];
        std::wstring said;
        for (const welldata::MessageRequest& m : messages.Messages())
            said += Said(m);
        EXPECT_EQ(said, message.empty() ? message : message + L"|Welvorax|1 1 0");
    }
}

TEST(AddWellHeadDialog, OkReadsNumbersAsTypedAndConvertsOnlyTheCoordinates) {
    // The depths are typed before "测量井段" is ticked, which keeps them writable.
    const struct {
        const char* x;
        const char* kb;
        const char* unit; // "convert" ticked with this unit; null: never ticked
        const char* top;
        const char* bottom;
        QString head;
    } cases[] = {
        // A top below the bottom is kept as typed.
        {"100", "1000", "ft", "2000", "1000", "W1 设计井 30.48 30.48 60.96 60.96 1000 2000 1000"},
        // The number the text starts with.
        {"12.5m", "1193.6 KB", nullptr, "deep", "1500.5m",
         "W1 设计井 12.5 12.5 200 200 1193.6 0 1500.5"},
    };
    for (const auto& c : cases) {
        Dialog dialog;
        ASSERT_TRUE(TypeAndOk(dialog, {"W1", c.x, "200", c.kb}, [&c](QDialog& d) {
            Type(&d, Dialog::IDC_TOP_DEPTH, c.top);
            Type(&d, Dialog::IDC_BOTTOM_DEPTH, c.bottom);
            uitest::PressButton(&d, Dialog::IDC_MEASURED_INTERVAL);
            for (int id : {Dialog::IDC_TOP_DEPTH, Dialog::IDC_BOTTOM_DEPTH})
                EXPECT_FALSE(Edit(&d, id)->isReadOnly()) << id;
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
