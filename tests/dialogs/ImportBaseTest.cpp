// The import dialog framework on files written for it: the table and raw-text
// previews, files it cannot read, tab switching to pages, and the reader's rows
// cleared when the dialog ends.
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportBase.h"
#include "support/TestSupport.h"
#include "ui_TestImportDialog.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchFile;

namespace {

// A dialog of the family with three pages, recording what the framework
// hands it.
class TestImportDialog : public CDlgImportBase {
public:
    explicit TestImportDialog(CDataFileReader* reader)
        : CDlgImportBase(reader, 30027, 30026), m_ui(std::make_unique<Ui::TestImportDialog>()) {
        m_ui->setupUi(this);
    }

    QString Preview() const { return GetPreviewBox()->toPlainText(); }

    std::vector<Row> headerRows;
    std::vector<int> tabChanges;
    QWidget* pages[3] = {};
    bool shown = false;

protected:
    void InitPages() override {
        const wchar_t* titles[] = {L"说明", L"数据", L"单位"};
        for (int i = 0; i < 3; ++i) {
            pages[i] = new QWidget;
            auto* layout = new QVBoxLayout(pages[i]);
            layout->addWidget(new QLabel(QString::fromWCharArray(titles[i]) + " page"));
            AddPage(pages[i], QString::fromWCharArray(titles[i]));
        }
        GetTabCtrl()->ShowTabPage(pages[0]);
    }
    void OnHeaderRow(Row row) override { headerRows.push_back(std::move(row)); }
    void OnTabSelChange(int index) override {
        tabChanges.push_back(index);
        CDlgImportBase::OnTabSelChange(index);
    }
    void showEvent(QShowEvent* event) override {
        shown = true;
        CDlgImportBase::showEvent(event);
    }

private:
    std::unique_ptr<Ui::TestImportDialog> m_ui;
};

// Opens the dialog on `reader`, runs `look` on it once it is up and ends it
// with OK. Returns exec()'s result.
int OpenAndLook(TestImportDialog& dialog, const std::function<void()>& look) {
    return uitest::RunModal(dialog, [&look](QDialog& d) {
        look();
        uitest::PressOk(&d);
    });
}

QString Pad(const QString& text, int width) {
    return text + QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' '));
}

} // namespace

TEST(ImportBase, TablePreviewShowsTheNumberedHeaderTenRowsAndAnEllipsis) {
    ScratchFile file;
    file.Write("NAME MD_MEASURED_DEPTH_LONG X\nA1 1000 20\nA1 1001 21\n\nA1 1002 22\n");
    TestImportDialog dialog(&file.reader);
    ASSERT_EQ(OpenAndLook(dialog,
                          [&] {
                              EXPECT_FALSE(file.reader.GetRows().empty());
                              EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.pages[0]);
                          }),
              QDialog::Accepted);

    // A header cell longer than 16 characters is not cut.
    QStringList expected{"1:" + Pad("NAME", 16) + "2:MD_MEASURED_DEPTH_LONG3:" + Pad("X", 16)};
    for (const char* row : {"1000 20", "1001 21", "1002 22"}) {
        const QStringList cells = QString(row).split(' ');
        expected << Pad("A1", 18) + Pad(cells[0], 18) + Pad(cells[1], 18);
    }
    for (int i = 0; i < 7; ++i) // rows past the end of the table
        expected << "";
    expected << "......";
    EXPECT_EQ(dialog.Preview().split('\n'), expected);
    ASSERT_EQ(dialog.headerRows.size(), 1u);
    EXPECT_EQ(dialog.headerRows[0], (Row{L"NAME", L"MD_MEASURED_DEPTH_LONG", L"X"}));
    EXPECT_TRUE(file.reader.GetRows().empty()); // cleared when the dialog ended
    EXPECT_EQ(CDlgImportBase::FormatPreviewRow({}, true), "");
}

TEST(ImportBase, RawTextPreviewShowsEveryLineTheReaderKept) {
    ScratchFile file;
    const std::string las = testing_support::LasWithData("2150.0 45.5 12.1\n2150.5 46.0 13.4\n");
    file.Write(las).SetDataFormat(COMMON::WLDF_LAS);
    file.reader.SetHeaderRow(false);
    file.reader.EnsureSections();
    TestImportDialog dialog(&file.reader);
    ASSERT_EQ(OpenAndLook(dialog, [] {}), QDialog::Accepted);
    QString expected = QString::fromStdString(las);
    EXPECT_EQ(dialog.Preview(), expected + "......");
    EXPECT_TRUE(dialog.headerRows.empty());
    EXPECT_TRUE(file.reader.TakePreviewText().empty());
}

TEST(ImportBase, AFileThatCannotBeReadEndsTheDialogBeforeItIsShown) {
    const struct {
        const char* name;
        const char* bytes; // null: no such file
        size_t messages;
    } cases[] = {
        {"empty file", "", 0},
        {"only empty lines", "\n\n\r\n", 0},
        {"missing file", nullptr, 1},
    };
    for (const auto& c : cases) {
        ScratchFile file;
        if (c.bytes != nullptr)
            file.Write(c.bytes);
        else
            file.reader.SetFilePath(L"/no/such/folder/w1.txt");
        MessageCapture messages;
        TestImportDialog dialog(&file.reader);
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << c.name;
        EXPECT_FALSE(dialog.shown) << c.name;
        EXPECT_FALSE(dialog.IsFileRead());
        EXPECT_EQ(dialog.pages[0], nullptr) << c.name; // no pages for an unread table
        EXPECT_EQ(messages.Count(), c.messages) << c.name;
    }
    TestImportDialog withoutReader(nullptr);
    EXPECT_EQ(withoutReader.exec(), QDialog::Rejected);
    EXPECT_FALSE(withoutReader.shown);
}

TEST(ImportBase, OddLinesArePreviewedAsTheyCame) {
    std::string manyCells;
    for (int i = 0; i < 5000; ++i)
        manyCells += "1 ";
    const struct {
        const char* name;
        std::string bytes;
        QString firstLines;
    } cases[] = {
        {"a header of one 10,000-character cell", std::string(10000, 'x') + "\n1\n",
         "1:" + QString(10000, 'x') + "\n1" + QString(17, ' ')},
        {"a row of 5,000 cells", "H\n" + manyCells + "\n",
         "1:H" + QString(15, ' ') + "\n" + QString("1" + QString(17, ' ')).repeated(5000)},
        // No header cells: the first data row takes the header's place.
        {"a header of blanks only", "  \n1 2\n", "1:1" + QString(15, ' ') + "2:2"},
        {"bytes GB18030 does not decode", "NAME ID\n\x80\xff 1\n",
         "1:NAME" + QString(12, ' ') + "2:ID" + QString(14, ' ') + "\n" + QChar(0xFFFD)},
    };
    for (const auto& c : cases) {
        ScratchFile file;
        file.Write(c.bytes);
        TestImportDialog dialog(&file.reader);
        EXPECT_EQ(OpenAndLook(dialog, [] {}), QDialog::Accepted) << c.name;
        EXPECT_TRUE(dialog.Preview().startsWith(c.firstLines))
            << c.name << ": " << dialog.Preview().left(60).toStdString();
        EXPECT_TRUE(dialog.Preview().endsWith("\n......")) << c.name;
    }
}

TEST(ImportBase, SelectingATabShowsItsPage) {
    ScratchFile file;
    file.Write("NAME MD\nA1 1000\n");
    TestImportDialog dialog(&file.reader);
    OpenAndLook(dialog, [&] {
        CTabCtrlExt* tabs = dialog.GetTabCtrl();
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        EXPECT_EQ(dialog.tabChanges.back(), 2);
        EXPECT_EQ(tabs->GetCurrentPage(), dialog.pages[2]);
        EXPECT_TRUE(dialog.pages[2]->isVisible());
        EXPECT_FALSE(dialog.pages[0]->isVisible());
        // A tab carrying no page changes nothing.
        tabs->addTab(new QWidget, "x");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        EXPECT_EQ(dialog.tabChanges.back(), 3);
        EXPECT_EQ(tabs->GetCurrentPage(), dialog.pages[2]);
        // Opening made the dialog's lists taller when dropped down.
        auto* units = uitest::Control<QComboBox>(&dialog, 30032);
        EXPECT_EQ(units->property("dropHeightExtension").toInt(), 80);
    });
}

TEST(ImportBase, TheReaderIsEmptyAfterCancelAndAfterADialogDestroyedOpen) {
    ScratchFile file;
    file.Write("NAME MD\nA1 1000\n");
    {
        TestImportDialog dialog(&file.reader);
        EXPECT_EQ(uitest::RunModal(dialog, [](QDialog& d) { uitest::PressCancel(&d); }),
                  QDialog::Rejected);
        EXPECT_TRUE(file.reader.GetRows().empty());
    }
    {
        auto dialog = std::make_unique<TestImportDialog>(&file.reader);
        dialog->show();
        EXPECT_FALSE(file.reader.GetRows().empty());
        dialog.reset();
        EXPECT_TRUE(file.reader.GetRows().empty());
    }
    // Rows read after the dialog ended (the loader's) stay when it is destroyed.
    {
        TestImportDialog dialog(&file.reader);
        OpenAndLook(dialog, [] {});
        ASSERT_TRUE(file.reader.Read(CDataFileReader::kReadAll));
    }
    EXPECT_FALSE(file.reader.GetRows().empty());
}

TEST(ImportBase, PicturesOnTheSampleFiles) {
    const struct {
        const char* sample;
        COMMON::WELL_LOG_DATA_FORMAT format;
        const char* screenshot;
    } cases[] = {
        {"well_path.txt", COMMON::WLDF_TEXT, "import-dialog-well-path.png"},
        {"rock_core_describe.txt", COMMON::WLDF_TEXT, "import-dialog-core-describe.png"},
        {"well_log.las", COMMON::WLDF_LAS, "import-dialog-las.png"},
    };
    for (const auto& c : cases) {
        CDataFileReader reader;
        reader.SetFilePath(testing_support::SamplePath(c.sample));
        reader.SetDataFormat(c.format);
        reader.SetHeaderRow(c.format == COMMON::WLDF_TEXT);
        TestImportDialog dialog(&reader);
        OpenAndLook(dialog, [&] {
            dialog.GetPreviewBox()->moveCursor(QTextCursor::Start);
            uitest::SaveScreenshot(&dialog, c.screenshot);
        });
        EXPECT_TRUE(dialog.IsFileRead()) << c.sample;
    }
}
