// The two rock core dialogs: the first 100 data rows and an unreadable file.
// (The samples, renamed analysis columns and description columns chosen by
// name are shown on the interactive road.)
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "loaders/CRockCoreAnalyse.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchFile;
using Analyse = CDlgRockCoreAnalyse;
using Describe = CDlgRockCoreDescribe;

namespace {

// The top, bottom and description column lists.
const int kDescribeLists[] = {Describe::IDC_TOP_COLUMN, Describe::IDC_BOTTOM_COLUMN,
                              Describe::IDC_DESCRIPTION_COLUMN};

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

CEditListCtrl* Table(const QWidget* dialog) {
    return uitest::Control<CEditListCtrl>(dialog, Analyse::IDC_DATA_LIST);
}

// Runs the analysis dialog on `reader`, `look` acting on it before OK.
void RunAnalysis(CDataFileReader& reader, const std::function<void(QDialog&)>& look) {
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    Analyse dialog(&reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [&look](QDialog& d) {
        look(d);
        uitest::PressOk(&d);
    });
}

// The sample's columns, their titles and a renamed one, as OK hands them over,
// are held against the headless load on the interactive road.
TEST(RockCoreDialogs, AnalysisListsAtMostTheFirstHundredDataRows) {
    ScratchFile file;
    std::string table = "DEPTH POR\n";
    for (int row = 1; row <= 250; ++row)
        table += std::to_string(1600 + row) + " " + std::to_string(row) + "\n";
    file.Write(table);
    RunAnalysis(file.reader, [](QDialog& d) {
        EXPECT_EQ(Table(&d)->rowCount(), 100);
        EXPECT_EQ(Table(&d)->GetItemText(99, 1), "100");
    });
}

TEST(RockCoreDialogs, AFileThatCannotBeReadLeavesTheListsEmptyAndTheDialogOpen) {
    ScratchFile file;
    file.reader.SetFilePath(L"/no/such/folder/core.txt");
    MessageCapture messages;
    RunAnalysis(file.reader, [](QDialog& d) { EXPECT_EQ(Table(&d)->columnCount(), 0); });
    Describe describe(&file.reader); // without a loader OK is taken too
    const int result = uitest::RunModal(describe, [](QDialog& d) {
        for (int id : kDescribeLists)
            EXPECT_EQ(List(&d, id)->count(), 0);
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, L"打开文件失败。");
}

} // namespace
