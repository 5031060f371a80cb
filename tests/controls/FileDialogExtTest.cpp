// The library's file dialog: filter text conversion, the sample that follows
// the data kind and file type, and the dialog answered from a timer as the
// loading entry points will run it.
#include "controls/CFileDialogExt.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using Sample = CFileDialogExt::Sample;

namespace {

const QString kWellDataFilter = QString::fromWCharArray(
    L"井曲线 (*.txt)|*.txt|岩心分析数据(*.txt)|*.txt|岩心描述数据(*.txt)|*.txt|"
    L"井曲线 las ver 2.0格式(*.las)|*.las||");

QString Touch(const testing_support::ScratchDir& dir, const QString& name) {
    return QString::fromStdWString(dir.Write(name.toStdString(), "DEPTH GR\n1 2\n"));
}

} // namespace

TEST(FileDialogExt, FilterTextBecomesOneNameFilterPerPair) {
    const struct {
        QString filter;
        QStringList nameFilters;
    } cases[] = {
        {"井位 (*.txt)|*.txt||", {"井位 (*.txt)"}},
        {kWellDataFilter,
         {"井曲线 (*.txt)", "岩心分析数据(*.txt)", "岩心描述数据(*.txt)",
          "井曲线 las ver 2.0格式(*.las)"}},
        {"加载wis格式曲线数据 (*.wis)|*.wis||", {"加载wis格式曲线数据 (*.wis)"}},
        {"Tables|*.txt;*.csv|All (*.*)|*.*||", {"Tables (*.txt *.csv)", "All (*.*)"}},
        {"Text (*.dat)|*.txt||", {"Text (*.dat) (*.txt)"}}, // the pattern decides
        {"Unterminated|*.txt", {"Unterminated (*.txt)"}},
        {"", {}},
        {"||", {}},
        {"Lonely", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileDialogExt::ParseFilterText(c.filter), c.nameFilters)
            << c.filter.toStdString();
}

TEST(FileDialogExt, TheSampleFollowsTheDataKindAndFileType) {
    const std::tuple<int, int, Sample> cases[] = {
        {0, 1, Sample::WellHeads},
        {0, 7, Sample::WellHeads},
        {1, 1, Sample::WellPath},
        {1, 4, Sample::WellPath},
        {2, 1, Sample::WellLog},
        {2, 2, Sample::RockCoreAnalysis},
        {2, 3, Sample::RockCoreDescribe},
        {2, 4, Sample::Las},
        {2, 5, Sample::None},
        {2, 0, Sample::None},
        {4, 1, Sample::None},
    };
    for (const auto& [dataKind, filterIndex, sample] : cases)
        EXPECT_EQ(CFileDialogExt::SampleFor(dataKind, filterIndex), sample)
            << dataKind << "/" << filterIndex;

    EXPECT_TRUE(CFileDialogExt::SampleText(Sample::None).isEmpty());
}

TEST(FileDialogExt, ChangingTheFileTypeShowsItsSampleAtOnce) {
    const QString samples = QString::fromStdWString(testing_support::SamplePath("well_log.txt"));
    CFileDialogExt dialog(true, QString(), samples, kWellDataFilter);
    dialog.SetDataKind(2);
    QPlainTextEdit* sample =
        uitest::Control<QPlainTextEdit>(&dialog, CFileDialogExt::IDC_SAMPLE_BOX);
    ASSERT_NE(sample, nullptr);
    EXPECT_TRUE(sample->isReadOnly());
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

TEST(FileDialogExt, AnsweredFromATimerItReportsThePathAndFileType) {
    testing_support::ScratchDir dir;
    const QString blanksAndChinese = Touch(dir, QStringLiteral("井 A1 测井 数据.txt"));
    // A start folder that does not exist leaves the dialog where it is.
    CFileDialogExt dialog(true, QString(), QStringLiteral("/no/such/folder/w1.txt"),
                          kWellDataFilter);
    EXPECT_TRUE(QDir(dialog.directory()).exists());
    dialog.SetDataKind(2);
    dialog.SetFilterIndex(4);
    auto answer = uitest::AnswerFileDialog({blanksAndChinese}, 2);
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(answer->Fired());
    EXPECT_EQ(dialog.GetPathName(), blanksAndChinese);
    EXPECT_EQ(dialog.GetFilterIndex(), 2);
}
