// The viewer's own texts follow the chosen language: its menus read in
// Chinese when the language is Chinese and in English when it is English.
#include "ViewerLanguage.h"
#include "ViewerTestSupport.h"

#include <QMenuBar>

#include <gtest/gtest.h>

TEST(ViewerLanguage, TheMenusReadInTheChosenLanguage) {
    const std::pair<welldata::Language, QStringList> cases[] = {
        {welldata::Language::Chinese,
         {QStringLiteral("文件(&F)"), QStringLiteral("加载(&L)"), QStringLiteral("帮助(&H)")}},
        {welldata::Language::English,
         {QStringLiteral("&File"), QStringLiteral("&Load"), QStringLiteral("&Help")}}};
    for (const auto& [language, titles] : cases) {
        EXPECT_TRUE(ViewerLanguage::Use(language));
        viewertest::Viewer viewer;
        QStringList shown;
        for (const QAction* menu : viewer.window.menuBar()->actions())
            shown << menu->text();
        EXPECT_EQ(shown, titles);
        EXPECT_EQ(viewer.window.windowTitle().contains(QStringLiteral("查看器")),
                  language == welldata::Language::Chinese);
    }
    // The other tests of the viewer read its English texts.
    ViewerLanguage::Use(welldata::Language::English);
}
