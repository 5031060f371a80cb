// An import dialog of the family that hosts the pages a test gives it, on a
// file the test writes, and says which path layout it keeps (for the pages
// that follow it). Opening it previews the file and creates the pages, as a
// real import dialog does.
//
// Usage:
//   ScratchFile file;
//   PageHost host(&file.Write("MD INCL AZIM\n1000 1 2\n"));
//   auto* page = host.Add(new CDlgSingleWellPathInputData(&host), "数据");
//   host.Open();
// or, in a test of PageFixture<CDlgSingleWellPathInputData>:
//   Open("MD INCL AZIM\n1000 1 2\n");
#pragma once

#include "controls/CTabCtrlExt.h"
#include "controls/ControlId.h"
#include "dialogs/CDlgImportBase.h"
#include "dialogs/DataFile.h"
#include "pages/CDlgPage.h"
#include "pages/IPathDataTypeOwner.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/LoadChoices.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

class PageHost : public CDlgImportBase, public IPathDataTypeOwner {
public:
    explicit PageHost(CDataFileReader* reader) : CDlgImportBase(reader, 30027, 30026) {
        auto* layout = new QVBoxLayout(this);
        auto* preview = new QPlainTextEdit(this);
        preview->setProperty(welldata::kControlIdProperty, 30027);
        m_tabs = new CTabCtrlExt(this);
        m_tabs->setProperty(welldata::kControlIdProperty, 30026);
        layout->addWidget(preview);
        layout->addWidget(m_tabs);
    }

    template <class Page> Page* Add(Page* page, const char* title) {
        m_pages.emplace_back(page, QString::fromUtf8(title));
        return page;
    }

    void Open() {
        show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(this));
    }

    // Shows the tab of `page` as a click on its tab does.
    void ShowPage(QWidget* page) {
        const int index = m_tabs->IndexOfPage(page);
        ASSERT_GE(index, 0);
        uitest::ClickTab(m_tabs, index);
        ASSERT_TRUE(page->isVisible());
    }

    std::int32_t GetPathDataType() const override { return pathDataType; }
    void SetPathDataType(std::int32_t dataType) override { pathDataType = dataType; }
    std::int32_t pathDataType = PATH_TVD_DX_DY;

protected:
    void InitPages() override {
        for (const auto& [page, title] : m_pages)
            AddPage(page->Create(this), title);
        if (!m_pages.empty())
            m_tabs->ShowTabPage(m_pages.front().first);
    }

private:
    CTabCtrlExt* m_tabs;
    std::vector<std::pair<CDlgPage*, QString>> m_pages;
};

// A page of the kind opened in a PageHost on a file the test writes.
template <class Page> class PageFixture : public testing::Test {
protected:
    // Opens the page, under the tab `title`, on a table (or a LAS file) with
    // `bytes` as its text.
    Page* Open(const std::string& bytes, const char* title = "数据") {
        host.reset(); // an open dialog clears the reader when it goes
        uitest::WriteDataFile(file, bytes, logTables);
        host = std::make_unique<PageHost>(&file.reader);
        page = host->Add(new Page(host.get()), title);
        host->Open();
        return page;
    }

    bool logTables = false; // whose header is the first line naming the depth
    testing_support::ScratchFile file;
    std::unique_ptr<PageHost> host;
    Page* page = nullptr;
};
