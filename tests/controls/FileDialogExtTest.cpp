// The library's file dialog: filter text conversion and the sample that follows
// the data kind and file type. (The dialog answered from a timer with the file
// type reported is shown on every interactive road.)
#include "controls/CFileDialogExt.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using Sample = CFileDialogExt::Sample;

namespace {

const QString kWellDataFilter = QString::fromWCharArray(
    L"井曲线 (*.txt)|*.txt|岩心分析数据(*.txt)|*.txt|岩心描述数据(*.txt)|*.txt|"
    L"井曲线 las ver 2.0格式(*.las)|*.las||");

} // namespace

TEST(FileDialogExt, FilterTextBecomesOneNameFilterPerPair) {
    EXPECT_EQ(CFileDialogExt::ParseFilterText("Tables|*.txt;*.csv|All (*.*)|*.*||"),
              (QStringList{"Tables (*.txt *.csv)", "All (*.*)"}));
}

TEST(FileDialogExt, TheSampleFollowsTheDataKindAndFileType) {
    const std::tuple<int, int, Sample> cases[] = {
        {0, 7, Sample::WellHeads}, {1, 4, Sample::WellPath}, {2, 2, Sample::RockCoreAnalysis},
        {2, 5, Sample::None},      {4, 1, Sample::None},
    };
    for (const auto& [dataKind, filterIndex, sample] : cases)
        EXPECT_EQ(CFileDialogExt::SampleFor(dataKind, filterIndex), sample)
            << dataKind << "/" << filterIndex;
}

TEST(FileDialogExt, ChangingTheFileTypeShowsItsSampleAtOnce) {
    const QString samples = QString::fromStdWString(testing_support::SamplePath("well_log.txt"));
    CFileDialogExt dialog(true, QString(), samples, kWellDataFilter);
    dialog.SetDataKind(2);
    QPlainTextEdit* sample =
        uitest::Control<QPlainTextEdit>(&dialog, CFileDialogExt::IDC_SAMPLE_BOX);
    ASSERT_NE(sample, nullptr);
    EXPECT_TRUE(sample->toPlainText().startsWith("#DEPTH"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_TRUE(uitest::ChooseComboIndex(types, 3)); // as the user picks the LAS type
    EXPECT_EQ(dialog.GetFilterIndex(), 4);
    EXPECT_TRUE(sample->toPlainText().startsWith("~VERSION INFORMATION"));
    QTest::qWait(100); // lets the file list apply the new type before the picture
    uitest::SaveScreenshot(&dialog, "file-dialog-las-sample.png");
    dialog.SetFilterIndex(3);
    EXPECT_EQ(types->currentIndex(), 2);
    EXPECT_TRUE(sample->toPlainText().startsWith(QString::fromWCharArray(L"顶深")));
    uitest::SaveScreenshot(&dialog, "file-dialog-core-describe-sample.png");

    dialog.SetDataKind(1); // a well path dialog shows its sample whatever the type
    EXPECT_TRUE(sample->toPlainText().startsWith("NAME    MD"));
}
