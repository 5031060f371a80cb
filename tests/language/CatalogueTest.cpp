// The catalogues are complete: each is what a refresh from the code and the
// .ui files gives; every text of the library has its English, and no Chinese
// text of the code escapes it; every text of the viewer has its Chinese.
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(WELLDATA_SOURCE_DIR);
const QString kEnglishSource = kSourceDir + QStringLiteral("/translations/welldata_en.ts");
const QString kViewerSource = kSourceDir + QStringLiteral("/translations/welldata-viewer_zh.ts");

struct CatalogueMessage {
    QString context, source, translation;
    bool finished = true;
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The messages of a Qt translation source; control characters stand there as
// <byte value="xd"/> elements.
std::vector<CatalogueMessage> ReadCatalogue(const QString& path) {
    QXmlStreamReader xml(FileBytes(path));
    std::vector<CatalogueMessage> messages;
    QString context;
    QString* text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement() && name == u"name") {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == u"message") {
            messages.push_back({context, {}, {}});
        } else if (xml.isStartElement() && (name == u"source" || name == u"translation")) {
            text = name == u"source" ? &messages.back().source : &messages.back().translation;
            messages.back().finished &= xml.attributes().value(QLatin1String("type")).isEmpty();
        } else if (xml.isStartElement() && name == u"byte" && text != nullptr) {
            *text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
        } else if (xml.isEndElement() && (name == u"source" || name == u"translation")) {
            text = nullptr;
        } else if (xml.isCharacters() && text != nullptr) {
            *text += xml.text();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

bool HasChinese(const QString& text) {
    return testing_support::HasChinese(text.toStdWString());
}

// Chinese texts of the code that are data, not texts shown to the user: units
// matched against what a file holds, and a font family.
const std::set<QString> kDataTexts = {QStringLiteral("米"),
                                      QStringLiteral("分米"),
                                      QStringLiteral("厘米"),
                                      QStringLiteral("英寸"),
                                      QStringLiteral("英尺"),
                                      QStringLiteral("微秒/米"),
                                      QStringLiteral("毫伏"),
                                      QStringLiteral("克/立方厘米"),
                                      QStringLiteral("毫姆欧/米"),
                                      QStringLiteral("微伦琴"),
                                      QStringLiteral("微伦琴/小时"),
                                      QStringLiteral("欧姆·米"),
                                      QStringLiteral("欧姆\\u00B7米"),
                                      QStringLiteral("宋体")};

} // namespace

TEST(TranslationCatalogue, IsWhatARefreshFromTheCodeGivesWithEveryTextTranslated) {
    QTemporaryDir scratch;
    const QString refreshed[] = {scratch.filePath(QStringLiteral("welldata_en.ts")),
                                 scratch.filePath(QStringLiteral("welldata-viewer_zh.ts"))};
    ASSERT_TRUE(QFile::copy(kEnglishSource, refreshed[0]));
    ASSERT_TRUE(QFile::copy(kViewerSource, refreshed[1]));
    QProcess update;
    update.start(kSourceDir + QStringLiteral("/scripts/update-translations.sh"),
                 {refreshed[0], refreshed[1]});
    ASSERT_TRUE(update.waitForFinished(120000));
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    for (const auto& [copy, source] :
         {std::pair(refreshed[0], kEnglishSource), std::pair(refreshed[1], kViewerSource)})
        EXPECT_EQ(FileBytes(copy), FileBytes(source))
            << source.toStdString()
            << ": the code's texts and the catalogue differ: run scripts/update-translations.sh";

    const std::vector<CatalogueMessage> messages = ReadCatalogue(kEnglishSource);
    EXPECT_GT(messages.size(), 200u); // every dialog, page, control and message
    for (const CatalogueMessage& message : messages) {
        EXPECT_TRUE(message.finished && !message.translation.isEmpty() &&
                    !HasChinese(message.translation))
            << "no English for \"" << message.source.toStdString() << "\" ("
            << message.context.toStdString() << ")";
    }
    const std::vector<CatalogueMessage> viewer = ReadCatalogue(kViewerSource);
    EXPECT_GT(viewer.size(), 100u); // the viewer's menus, views and messages
    for (const CatalogueMessage& message : viewer)
        EXPECT_TRUE(message.finished && !message.translation.isEmpty())
            << "no Chinese for \"" << message.source.toStdString() << "\" ("
            << message.context.toStdString() << ")";
}

TEST(TranslationCatalogue, NoChineseTextOfTheCodeEscapesIt) {
    std::set<QString> sources;
    for (const CatalogueMessage& message : ReadCatalogue(kEnglishSource))
        sources.insert(message.source);
    const auto marked = [&sources](const QString& piece) {
        return std::any_of(sources.begin(), sources.end(),
                           [&piece](const QString& source) { return source.contains(piece); });
    };
    // A character literal, a string literal, and a line comment after the code.
    const QRegularExpression literal(
        QStringLiteral(R"re('(?:\\.|[^'\\])'|"((?:[^"\\]|\\.)*)"|//.*$)re"));
    const QRegularExpression escape(QStringLiteral(R"(\\.)"));
    int checked = 0;
    QDirIterator files(kSourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    const QRegularExpression libraryFolder(
        QStringLiteral("^(dialogs|pages|controls|interface|platform|reader|loaders|settings|"
                       "wellsymbol)/"));
    while (files.hasNext()) {
        const QString path = QDir(kSourceDir).relativeFilePath(files.next());
        if (!libraryFolder.match(path).hasMatch())
            continue;
        const QStringList lines = QString::fromUtf8(FileBytes(kSourceDir + '/' + path)).split('\n');
        for (int line = 0; line < lines.size(); ++line) {
            for (const auto& match : literal.globalMatch(lines[line])) {
                const QString text = match.captured(1);
                if (!HasChinese(text) || kDataTexts.count(text) != 0)
                    continue;
                ++checked;
                // Escapes split the literal: each piece is in the catalogue's text.
                for (const QString& piece : text.split(escape, Qt::SkipEmptyParts))
                    EXPECT_TRUE(!HasChinese(piece) || marked(piece))
                        << path.toStdString() << ":" << line + 1 << ": \"" << text.toStdString()
                        << "\" is not in the translation catalogue";
            }
        }
    }
    EXPECT_GT(checked, 100);
}
