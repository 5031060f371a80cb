// Every dialog, page, control and menu of the library in Chinese and in
// English, on files written for them: in English no Chinese text is left
// (window titles, labels, buttons, group boxes, tabs, list headings, list
// entries and context menus), in both languages no text is cut off by its
// control, and a picture of each view goes to en/ and zh/ of the screenshot
// folder (docs/screenshots when refreshed), side by side.
#include "language/ScopedLanguage.h"

#include "controls/CEditListCtrl.h"
#include "controls/CFileDialogExt.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"
#include "loaders/CWellPath.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"
#include "welldata/Settings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <optional>

using welldata::Language;

namespace {

const std::string kWellHeads = "NAME X Y KB TYPE TOP BOTTOM\n"
                               "A1 20512345.25 4376210.5 1193.6 oil 0 2100.5\n"
                               "A2 20513345.75 4377210.25 1201.2 gas 0 1980\n";
const std::string kWellPath = "MD INCL AZIM TVD X Y\n"
                              "1000 0 0 1000 20512345.25 4376210.5\n"
                              "1030 3 45 1029.99 20512345.81 4376211.06\n";
const std::string kWellLog = "DEPTH GR RT DEN AC\n"
                             "2150 45.2 20.1 2.41 230\n"
                             "2150.125 47.9 21.7 2.43 228\n";
const std::string kCurveNames = "DEPTH GR RT DEN AC CAL\n";
const std::string kCoreAnalysis = "DEPTH POR PERM SW\n1601.15 12.5 35.2 50.1\n1601.4 14 80 41\n";
const std::string kCoreDescription = "TOP BOTTOM LITHOLOGY\n1601 1603.5 sandstone\n"
                                     "1603.5 1604.2 mudstone\n";

bool HasChinese(const QString& text) {
    return testing_support::HasChinese(text.toStdWString());
}

bool Shown(const QWidget* widget, const QWidget* window) {
    return widget->isVisibleTo(window) && widget->width() > 0;
}

// The headings of a list's columns.
QStringList Headings(const QAbstractItemView* view) {
    QStringList texts;
    const QHeaderView* header = qobject_cast<const QTableView*>(view)
                                    ? static_cast<const QTableView*>(view)->horizontalHeader()
                                    : nullptr;
    if (header == nullptr || view->model() == nullptr)
        return texts;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        texts << view->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

// Every text a translation gives that the widgets under `window` show: the
// window's title, labels, buttons, group boxes, tabs, list entries and list
// headings. Text boxes and list cells hold the file's data and are left out.
QStringList ShownTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!Shown(widget, window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            texts << box->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            texts << Headings(view);
    }
    return texts;
}

// The texts under `window` that their control cuts off: narrower than the
// text needs, or a wrapped text taller than its label.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!Shown(widget, window))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->pixmap().isNull() == false)
                continue;
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->width() >= label->minimumSizeHint().width();
            if (!fits)
                cut << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
                cut << button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            if (box->width() < box->minimumSizeHint().width())
                cut << box->title();
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabRect(i).width() < metrics.horizontalAdvance(tabs->tabText(i)))
                    cut << tabs->tabText(i);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            if (field.width() < metrics.horizontalAdvance(combo->currentText()))
                cut << combo->currentText();
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            const QHeaderView* header = table->horizontalHeader();
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            const QStringList headings = Headings(table);
            for (int column = 0; column < headings.size(); ++column) {
                if (!header->isSectionHidden(column) &&
                    header->sectionSize(column) <
                        header->fontMetrics().horizontalAdvance(headings[column]) + margins)
                    cut << headings[column];
            }
        }
    }
    return cut;
}

class DialogsInEachLanguage : public testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
        m_language.emplace(GetParam());
    }
    void TearDown() override {
        m_language.reset();
        welldata::SetSettingsFilePath(L"");
    }

    bool English() const { return GetParam() == Language::English; }

    // Takes a picture of `window` as `name` and checks what it shows.
    void Look(QWidget* window, const QString& name) {
        QApplication::processEvents();
        uitest::SaveScreenshot(window, (English() ? "en/" : "zh/") + name + ".png");
        for (const QString& text : ShownTexts(window))
            EXPECT_FALSE(English() && HasChinese(text))
                << name.toStdString() << ": " << text.toStdString();
        for (const QString& text : CutTexts(window))
            ADD_FAILURE() << name.toStdString() << ": cut off: " << text.toStdString();
        ++m_looked;
    }

    // Each tab of an import dialog in turn, named `name`-`tab`.
    void LookAtTabs(CDlgImportBase& dialog, const QString& name, const QStringList& tabNames) {
        CTabCtrlExt* tabs = dialog.GetTabCtrl();
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), tabNames.size()) << name.toStdString();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            uitest::ClickTab(tabs, tab);
            Look(&dialog, name + "-" + tabNames[tab]);
        }
    }

    // The context menu of `list`: its entries checked, its picture taken.
    void LookAtContextMenu(CEditListCtrl* list, const QString& name) {
        bool opened = false;
        auto watcher = uitest::WhenPopup<QMenu>([&](QMenu* menu) {
            opened = true;
            Look(menu, name);
            for (QAction* action : menu->actions())
                EXPECT_FALSE(English() && HasChinese(action->text()))
                    << action->text().toStdString();
            menu->close();
        });
        const QPoint position(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                                list->viewport()->mapToGlobal(position));
        QApplication::sendEvent(list->viewport(), &event);
        EXPECT_TRUE(opened) << name.toStdString();
    }

    // Runs an import dialog on a file with the text `bytes` and looks at it.
    template <class Dialog, class Loader>
    void RunImport(testing_support::ScratchFile& file, Loader& loader,
                   const std::function<void(Dialog&)>& look) {
        Dialog dialog(&file.reader);
        dialog.SetLoader(&loader);
        uitest::RunModal(dialog, [&look](QDialog& d) {
            look(static_cast<Dialog&>(d));
            uitest::PressCancel(&d);
        });
    }

    static void UseTable(testing_support::ScratchFile& file, const std::string& bytes,
                         bool headerSearch = false) {
        CDataFileReader& reader = file.Write(bytes);
        reader.SetDataFormat(COMMON::WLDF_TEXT);
        reader.SetHeaderRow(true);
        reader.SetHeaderSearch(headerSearch);
    }

    int m_looked = 0;
    testing_support::MessageCapture m_messages;

private:
    std::optional<ScopedLanguage> m_language;
};

std::string LanguageName(const testing::TestParamInfo<Language>& info) {
    return info.param == Language::English ? "English" : "Chinese";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, DialogsInEachLanguage,
                         testing::Values(Language::Chinese, Language::English), LanguageName);

TEST_P(DialogsInEachLanguage, WellHeadDialogs) {
    CDlgAddWellHead add;
    add.Preset(L"A1", 20512345.25, 4376210.5, 1193.6f, 0.0f, 2100.5f);
    uitest::RunModal(add, [this](QDialog& d) {
        Look(&d, "add-well-head");
        uitest::PressCancel(&d);
    });

    // OK with nothing typed lists the problems in one message.
    CDlgAddWellHead empty;
    uitest::RunModal(empty, [](QDialog& d) {
        uitest::PressOk(&d);
        uitest::PressCancel(&d);
    });
    ASSERT_EQ(m_messages.Count(), 1u);
    const QString problems = QString::fromStdWString(m_messages.Messages()[0].text);
    EXPECT_TRUE(problems.startsWith(English() ? QStringLiteral("“Well name” must not be empty;")
                                              : QStringLiteral("“井名”不能为空；")))
        << problems.toStdString();
    EXPECT_EQ(HasChinese(problems), !English());

    testing_support::ScratchFile file;
    UseTable(file, kWellHeads);
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&file.reader, &heads);
    RunImport<CDlgImportWellHeads>(
        file, loader, [this](CDlgImportWellHeads& d) { Look(&d, "import-well-heads"); });
    EXPECT_EQ(m_looked, 2);
}

TEST_P(DialogsInEachLanguage, WellPathDialog) {
    testing_support::ScratchFile file;
    UseTable(file, kWellPath);
    COMMON::STRUCT_WELL_PATH path;
    CWellPath loader(&file.reader, &path);
    RunImport<CDlgImportSingleWellPath>(file, loader, [this](CDlgImportSingleWellPath& d) {
        LookAtTabs(d, "import-well-path", {"hints", "data", "units"});
    });
    EXPECT_EQ(m_looked, 3);
}

TEST_P(DialogsInEachLanguage, WellLogDialogsWithTheirListsAndMenus) {
    testing_support::ScratchFile table;
    UseTable(table, kWellLog, true);
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE log;
    CWellLog loader(&table.reader, &path, &log);
    RunImport<CDlgImportSingleWellLog>(table, loader, [this](CDlgImportSingleWellLog& d) {
        LookAtTabs(d, "import-well-log", {"hints", "data", "settings", "units"});
        uitest::ClickTab(d.GetTabCtrl(), 1);
        LookAtContextMenu(d.findChild<CEditListCtrl*>(), "menu-check-rows");
        uitest::ClickTab(d.GetTabCtrl(), 2);
        for (CEditListCtrl* list : d.findChildren<CEditListCtrl*>()) {
            if (list->isVisible())
                LookAtContextMenu(list, "menu-records");
        }
    });

    testing_support::ScratchFile las;
    CDataFileReader& reader =
        las.Write(testing_support::FileBytes(testing_support::SamplePath("well_log.las")));
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.EnsureSections();
    CWellLog lasLoader(&las.reader, &path, &log);
    RunImport<CDlgImportSingleWellLog>(las, lasLoader, [this](CDlgImportSingleWellLog& d) {
        uitest::ClickTab(d.GetTabCtrl(), 1);
        Look(&d, "import-well-log-las-data");
    });

    testing_support::ScratchFile names;
    UseTable(names, kCurveNames, true);
    CWellLog batchLoader(&names.reader, &path, &log);
    RunImport<CDlgImportMultiWellLogs>(names, batchLoader, [this](CDlgImportMultiWellLogs& d) {
        LookAtTabs(d, "import-multi-well-logs", {"data", "settings"});
    });
    EXPECT_EQ(m_looked, 4 + 2 + 1 + 2);
}

TEST_P(DialogsInEachLanguage, RockCoreDialogs) {
    testing_support::ScratchFile analysis;
    UseTable(analysis, kCoreAnalysis);
    std::list<COMMON::STRUCT_CURVE_ITEM> columns;
    CRockCoreAnalyse analysisLoader(&analysis.reader, &columns);
    RunImport<CDlgRockCoreAnalyse>(analysis, analysisLoader, [this](CDlgRockCoreAnalyse& d) {
        Look(&d, "rock-core-analysis");
    });

    testing_support::ScratchFile description;
    UseTable(description, kCoreDescription);
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL intervals;
    CRockCoreDescribe descriptionLoader(&description.reader, &intervals);
    RunImport<CDlgRockCoreDescribe>(
        description, descriptionLoader,
        [this](CDlgRockCoreDescribe& d) { Look(&d, "rock-core-describe"); });
    EXPECT_EQ(m_looked, 2);
}

TEST_P(DialogsInEachLanguage, UnitQuestionAndFileDialog) {
    CDlgBatchLoadWellLogUnitShow question;
    question.SetFilePath(L"/data/survey/well_log_feet.las");
    question.SetUnits(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_FT);
    uitest::RunModal(question, [this](QDialog& d) {
        Look(&d, "unit-question");
        uitest::PressOk(&d);
    });

    // The file dialog of a well data load, as the entry point opens it.
    testing_support::ScratchDir folder;
    folder.Write("well_log.txt", kWellLog);
    auto watcher = uitest::WhenModal<CFileDialogExt>([&](CFileDialogExt* dialog) {
        dialog->setDirectory(QString::fromStdString(folder.Path()));
        dialog->SetFilterIndex(1);
        Look(dialog, "file-dialog-well-data");
        dialog->reject();
    });
    CLoadData load(COMMON::LDT_WELL_DATA);
    EXPECT_FALSE(load.ReadFile());
    EXPECT_TRUE(watcher->Fired());
    EXPECT_EQ(m_looked, 2);
}
