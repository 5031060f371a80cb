// The import dialog framework: the table and raw-text previews (odd lines as
// they came) and tab switching to pages.
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportBase.h"
#include "dialogs/DataFile.h"
#include "ui_TestImportDialog.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

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

    size_t headerRows = 0;
    QWidget* pages[3] = {};

protected:
    void InitPages() override {
        const char* titles[] = {"说明", "数据", "单位"};
        for (int i = 0; i < 3; ++i) {
            (new QVBoxLayout(pages[i] = new QWidget))->addWidget(new QLabel(titles[i]));
            AddPage(pages[i], titles[i]);
        }
        GetTabCtrl()->ShowTabPage(pages[0]);
    }
    void OnHeaderRow(Row) override { ++headerRows; }

private:
    std::unique_ptr<Ui::TestImportDialog> m_ui;
};

// Opens the dialog, runs `look` once it is up and ends it with OK.
void OpenAndLook(
    TestImportDialog& dialog, const std::function<void()>& look = [] {}) {
    uitest::RunModal(dialog, [&look](QDialog& d) {
        look();
        uitest::PressOk(&d);
    });
}

QString Pad(const QString& text, int width) {
    return text + QString(std::max<qsizetype>(0, width - text.size()), QLatin1Char(' '));
}

} // namespace

TEST(ImportBase, PreviewShowsTheFileAsItCame) {
    // A header cell longer than 16 characters is not cut; the empty line is no
    // row; the seven rows past the end of the table give empty lines.
    QString table = "1:" + Pad("NAME", 16) + "2:MD_MEASURED_DEPTH_LONG3:" + Pad("X", 16) + "\n";
    for (const char* depth : {"1000", "1001", "1002"})
        table += Pad("A1", 18) + Pad(depth, 18) + Pad("20", 18) + "\n";
    const std::string las = testing_support::LasWithData("2150.0 45.5 12.1\n2150.5 46.0 13.4\n");
    const auto sample = [](const char* name) {
        return testing_support::FileBytes(testing_support::SamplePath(name));
    };
    // The file, the start of its preview (all of it but the closing "......"
    // for the first two) and the screenshot taken of it.
    const std::tuple<std::string, QString, const char*> cases[] = {
        {"NAME MD_MEASURED_DEPTH_LONG X\nA1 1000 20\nA1 1001 20\n\nA1 1002 20\n",
         table + QString(7, '\n') + "......", nullptr},
        // The raw text of a LAS file: every line the reader kept, not only ten.
        {las, QString::fromStdString(las) + "......", nullptr},
        {sample("well_path.txt"), "1:NAME", "import-dialog-well-path.png"},
        {sample("rock_core_describe.txt"), "1:", "import-dialog-core-describe.png"},
        {sample("well_log.las"), "~VERSION", "import-dialog-las.png"},
    };
    for (const auto& [bytes, preview, screenshot] : cases) {
        ScratchFile file;
        TestImportDialog dialog(&uitest::WriteDataFile(file, bytes));
        OpenAndLook(dialog, [&] {
            dialog.GetPreviewBox()->moveCursor(QTextCursor::Start);
            if (screenshot != nullptr)
                uitest::SaveScreenshot(&dialog, screenshot);
        });
        EXPECT_TRUE(dialog.Preview().startsWith(preview) && dialog.Preview().endsWith("\n......"))
            << bytes;
        EXPECT_EQ(dialog.headerRows, bytes.starts_with("~V") ? 0u : 1u) << bytes; // offered once
        // The reader is cleared when the dialog ends.
        EXPECT_TRUE(file.reader.GetRows().empty() && file.reader.TakePreviewText().empty());
    }
}

TEST(ImportBase, SelectingATabShowsItsPage) {
    ScratchFile file;
    file.Write("NAME MD\nA1 1000\n");
    TestImportDialog dialog(&file.reader);
    OpenAndLook(dialog, [&] {
        uitest::ClickTab(dialog.GetTabCtrl(), 2);
        EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.pages[2]);
        EXPECT_TRUE(dialog.pages[2]->isVisible() && !dialog.pages[0]->isVisible());
        // Opening made the dialog's lists taller when dropped down.
        EXPECT_EQ(uitest::Control<QComboBox>(&dialog, 30032)->property("dropHeightExtension"), 80);
    });
}
