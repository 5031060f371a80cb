// Every dialog, page, control and menu of the library in Chinese and in
// English, on files written for them: in English no Chinese text is left
// (window titles, labels, buttons, group boxes, tabs, list headings, list
// entries and context menus), in both languages no label, button, box, tab or
// heading is cut off, and a picture of each view goes to en/ and zh/ of the
// screenshot folder (docs/screenshots when refreshed), side by side.
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
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

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

// Each text under `window` that a translation gives (text boxes and list
// cells hold the file's data), and whether its control cuts it off: narrower
// than the text needs, or a wrapped text taller than its label.
std::vector<std::pair<QString, bool>> ShownTexts(QWidget* window) {
    std::vector<std::pair<QString, bool>> texts{{window->windowTitle(), false}};
    for (const QAction* action : window->actions())
        texts.emplace_back(action->text(), false);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->width() == 0)
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        const auto* label = qobject_cast<QLabel*>(widget);
        const QString text =
            widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString();
        if (!text.isEmpty() &&
            (label || qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget)))
            texts.emplace_back(text, label && label->wordWrap()
                                         ? label->heightForWidth(label->width()) > label->height()
                                         : widget->width() < widget->minimumSizeHint().width());
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts.emplace_back(tabs->tabText(i),
                                   tabs->tabRect(i).width() <
                                       metrics.horizontalAdvance(tabs->tabText(i)));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.emplace_back(combo->itemText(i), false);
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            const QHeaderView* header = table->horizontalHeader();
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int column = 0; table->model() && column < table->model()->columnCount();
                 ++column) {
                const QString heading =
                    table->model()->headerData(column, Qt::Horizontal).toString();
                texts.emplace_back(
                    heading, !header->isSectionHidden(column) &&
                                 header->sectionSize(column) <
                                     header->fontMetrics().horizontalAdvance(heading) + margins);
            }
        }
    }
    return texts;
}

// Takes the pictures of the views in one language and checks what they show.
class LanguageViews {
public:
    explicit LanguageViews(Language language) : m_english(language == Language::English) {}

    // Takes a picture of `window` as `name` and checks what it shows.
    void Look(QWidget* window, const QString& name) {
        QApplication::processEvents();
        uitest::SaveScreenshot(window, (m_english ? "en/" : "zh/") + name + ".png");
        for (const auto& [text, cut] : ShownTexts(window)) {
            EXPECT_FALSE(m_english && HasChinese(text))
                << name.toStdString() << ": " << text.toStdString();
            EXPECT_FALSE(cut) << name.toStdString() << ": cut off: " << text.toStdString();
        }
        ++looked;
    }

    void LookWhileModal(QDialog& dialog, const QString& name) {
        uitest::RunModal(dialog, [&](QDialog& d) {
            Look(&d, name);
            uitest::PressOk(&d); // the unit question has no Cancel; the head's values are whole
        });
    }

    // The context menu of `list`: its picture taken.
    void LookAtContextMenu(CEditListCtrl* list, const QString& name) {
        auto watcher = uitest::WhenPopup<QMenu>([&](QMenu* menu) {
            Look(menu, name);
            menu->close();
        });
        const QPoint position(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                                list->viewport()->mapToGlobal(position));
        QApplication::sendEvent(list->viewport(), &event);
        EXPECT_TRUE(watcher->Fired()) << name.toStdString();
    }

    // Runs an import dialog on `file` and looks at each of its `tabs` in turn,
    // named `name`-`tab` (at the dialog itself when it has none, not at a tab
    // without a name); then `more`.
    template <class Dialog, class Loader>
    void Import(testing_support::ScratchFile& file, Loader& loader, const QString& name,
                const QStringList& tabs = {}, const std::function<void(Dialog&)>& more = {}) {
        Dialog dialog(&file.reader);
        dialog.SetLoader(&loader);
        uitest::RunModal(dialog, [&](QDialog&) {
            if (tabs.isEmpty())
                Look(&dialog, name);
            for (int tab = 0; tab < tabs.size(); ++tab) {
                uitest::ClickTab(dialog.template findChild<QTabWidget*>(), tab);
                if (!tabs[tab].isEmpty())
                    Look(&dialog, name + "-" + tabs[tab]);
            }
            if (more)
                more(dialog);
            uitest::PressCancel(&dialog);
        });
    }

    static CDataFileReader* Table(testing_support::ScratchFile& file, const std::string& bytes,
                                  bool headerSearch = false) {
        CDataFileReader& reader = file.Write(bytes);
        reader.SetDataFormat(COMMON::WLDF_TEXT);
        reader.SetHeaderRow(true);
        reader.SetHeaderSearch(headerSearch);
        return &reader;
    }

    // Every view, each on a file written for it: 18 pictures.
    void LookAtEveryView() {
        testing_support::ScratchFile file;
        COMMON::STRUCT_WELL_PATH path;
        COMMON::STRUCT_WELL_CURVE log;
        std::list<COMMON::STRUCT_WELL_HEAD> heads;
        std::list<COMMON::STRUCT_CURVE_ITEM> columns;
        COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL intervals;
        const std::function<void()> views[] = {
            [&] {
                CDlgAddWellHead add;
                add.Preset(L"A1", 20512345.25, 4376210.5, 1193.6f, 0.0f, 2100.5f);
                LookWhileModal(add, "add-well-head");
            },
            [&] {
                CWellHead loader(Table(file, kWellHeads), &heads);
                Import<CDlgImportWellHeads>(file, loader, "import-well-heads");
            },
            [&] {
                CWellPath loader(Table(file, kWellPath), &path);
                Import<CDlgImportSingleWellPath>(file, loader, "import-well-path",
                                                 {"hints", "data", "units"});
            },
            [&] {
                CWellLog loader(Table(file, kWellLog, true), &path, &log);
                Import<CDlgImportSingleWellLog>(
                    file, loader, "import-well-log", {"hints", "data", "settings", "units"},
                    [this](CDlgImportSingleWellLog& d) {
                        uitest::ClickTab(d.GetTabCtrl(), 1);
                        LookAtContextMenu(d.findChild<CEditListCtrl*>(), "menu-check-rows");
                        uitest::ClickTab(d.GetTabCtrl(), 2);
                        for (CEditListCtrl* list : d.findChildren<CEditListCtrl*>()) {
                            if (list->isVisible())
                                LookAtContextMenu(list, "menu-records");
                        }
                    });
            },
            [&] {
                CDataFileReader& reader = file.Write(
                    testing_support::FileBytes(testing_support::SamplePath("well_log.las")));
                reader.SetDataFormat(COMMON::WLDF_LAS);
                reader.SetHeaderRow(false);
                reader.EnsureSections();
                CWellLog loader(&reader, &path, &log);
                Import<CDlgImportSingleWellLog>(file, loader, "import-well-log-las", {"", "data"});
            },
            [&] {
                CWellLog loader(Table(file, kCurveNames, true), &path, &log);
                Import<CDlgImportMultiWellLogs>(file, loader, "import-multi-well-logs",
                                                {"data", "settings"});
            },
            [&] {
                CRockCoreAnalyse loader(Table(file, kCoreAnalysis), &columns);
                Import<CDlgRockCoreAnalyse>(file, loader, "rock-core-analysis");
            },
            [&] {
                CRockCoreDescribe loader(Table(file, kCoreDescription), &intervals);
                Import<CDlgRockCoreDescribe>(file, loader, "rock-core-describe");
            },
            [&] {
                CDlgBatchLoadWellLogUnitShow question;
                question.SetFilePath(L"/data/survey/well_log_feet.las");
                question.SetUnits(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_FT);
                LookWhileModal(question, "unit-question");
            },
            [&] { // the file dialog of a well data load, as the entry point opens it
                file.dir.Write("well_log.txt", kWellLog);
                auto watcher = uitest::WhenModal<CFileDialogExt>([&](CFileDialogExt* dialog) {
                    dialog->setDirectory(QString::fromStdString(file.dir.Path()));
                    dialog->SetFilterIndex(1);
                    Look(dialog, "file-dialog-well-data");
                    dialog->reject();
                });
                EXPECT_FALSE(CLoadData(COMMON::LDT_WELL_DATA).ReadFile());
            },
        };
        for (const auto& view : views)
            view();
    }

    int looked = 0;

private:
    bool m_english;
};

} // namespace

TEST(DialogsInEachLanguage, EveryViewIsPicturedAndShowsNoChineseInEnglish) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    testing_support::MessageCapture messages;
    for (const Language language : {Language::Chinese, Language::English}) {
        const ScopedLanguage chosen(language);
        LanguageViews views(language);
        views.LookAtEveryView();
        EXPECT_EQ(views.looked, 18);
    }
    welldata::SetSettingsFilePath(L"");
}
