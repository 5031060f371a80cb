// The new-well dialog: the problems OK lists, numbers read as typed, the unit
// conversion and the measured interval. (The preset values and the well-symbol
// box are shown on the interactive road.)
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/DialogFixture.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <gtest/gtest.h>

using Dialog = CDlgAddWellHead;

namespace {

void Type(const QWidget* dialog, int id, const char* text) {
    uitest::RetypeText(uitest::Control<QLineEdit>(dialog, id), QString::fromUtf8(text));
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

TEST(AddWellHeadDialog, OkListsEveryProblemInOneMessageAndStaysOpen) {
    const std::wstring kNoName = L"“井名”不能为空；\r\n";
    const std::wstring kNoX = L"“X坐标”不能为空；\r\n";
    const std::wstring kZeroX = L"“X坐标”不能为0值；\r\n";
    const std::wstring kNoY = L"“Y坐标”不能为空；\r\n";
    const std::wstring kZeroY = L"“Y坐标”不能为0值；\r\n";
    const std::pair<std::array<const char*, 4>, std::wstring> cases[] = {
        {{"", "100", "200", ""}, kNoName},
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
    // X, KB, top and bottom, typed before "测量井段" is ticked (which keeps the
    // depths writable), and the coordinate unit chosen, if any.
    const std::pair<std::array<const char*, 5>, QString> cases[] = {
        // A top below the bottom is kept as typed.
        {{"100", "1000", "2000", "1000", "ft"}, "W1 设计井 30.48 30.48 60.96 60.96 1000 2000 1000"},
        // The number the text starts with.
        {{"12.5m", "1193.6 KB", "deep", "1500.5m", ""},
         "W1 设计井 12.5 12.5 200 200 1193.6 0 1500.5"},
    };
    for (const auto& [typed, head] : cases) {
        Dialog dialog;
        ASSERT_TRUE(TypeAndOk(dialog, {"W1", typed[0], "200", typed[1]}, [&typed](QDialog& d) {
            Type(&d, Dialog::IDC_TOP_DEPTH, typed[2]);
            Type(&d, Dialog::IDC_BOTTOM_DEPTH, typed[3]);
            uitest::PressButton(&d, Dialog::IDC_MEASURED_INTERVAL);
            EXPECT_FALSE(uitest::Control<QLineEdit>(&d, Dialog::IDC_TOP_DEPTH)->isReadOnly());
            if (*typed[4] != '\0') {
                uitest::PressButton(&d, Dialog::IDC_CONVERT);
                EXPECT_TRUE(uitest::ChooseComboText(
                    uitest::Control<QComboBox>(&d, Dialog::IDC_COOR_UNIT), typed[4]));
            }
        })) << typed[0];
        EXPECT_EQ(Described(dialog.GetWellHead()), head);
    }
}

} // namespace
