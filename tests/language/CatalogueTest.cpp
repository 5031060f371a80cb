// The English catalogue is complete: every text the code and the .ui files
// mark for translation has its English, the catalogue holds no text the code
// no longer has, no Chinese text of the code escapes the catalogue, and the
// catalogue the library carries is the one its source describes.
#include "language/ScopedLanguage.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(WELLDATA_SOURCE_DIR);
const QString kEnglishSource = kSourceDir + QStringLiteral("/translations/welldata_en.ts");

struct CatalogueMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
};

// The messages of a Qt translation source; control characters stand there as
// <byte value="xd"/> elements.
std::vector<CatalogueMessage> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<CatalogueMessage> messages;
    QString context;
    QString* text = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("message")) {
                messages.push_back({context, {}, {}, {}});
            } else if (name == QLatin1String("source") && !messages.empty()) {
                text = &messages.back().source;
            } else if (name == QLatin1String("translation") && !messages.empty()) {
                text = &messages.back().translation;
                messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            } else if (name == QLatin1String("byte") && text != nullptr) {
                const QString value = xml.attributes().value(QLatin1String("value")).toString();
                *text += QChar(value.mid(1).toInt(nullptr, 16));
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            }
        } else if (xml.isEndElement() &&
                   (name == QLatin1String("source") || name == QLatin1String("translation"))) {
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

// The string literals of a C++ source, comments left out, with their line.
std::vector<std::pair<int, QString>> StringLiterals(const QString& code) {
    std::vector<std::pair<int, QString>> literals;
    int line = 1;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == QLatin1Char('\n')) {
            ++line;
        } else if (code.mid(i, 2) == QLatin1String("//")) {
            i = code.indexOf(QLatin1Char('\n'), i) - 1;
            if (i < 0)
                break;
        } else if (code.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = code.indexOf(QLatin1String("*/"), i + 2);
            line += static_cast<int>(code.mid(i, end - i).count(QLatin1Char('\n')));
            i = end + 1;
        } else if (c == QLatin1Char('\'')) {
            i = code.indexOf(QLatin1Char('\''), i + (code[i + 1] == QLatin1Char('\\') ? 3 : 2));
        } else if (c == QLatin1Char('"')) {
            QString text;
            for (++i; i < code.size() && code[i] != QLatin1Char('"'); ++i) {
                if (code[i] == QLatin1Char('\\') && i + 1 < code.size()) {
                    ++i;
                    const QChar escaped = code[i];
                    if (escaped == QLatin1Char('n'))
                        text += QLatin1Char('\n');
                    else if (escaped == QLatin1Char('r'))
                        text += QLatin1Char('\r');
                    else if (escaped == QLatin1Char('u')) {
                        text += QChar(code.mid(i + 1, 4).toUShort(nullptr, 16));
                        i += 4;
                    } else
                        text += escaped;
                } else {
                    text += code[i];
                }
            }
            literals.emplace_back(line, text);
        }
    }
    return literals;
}

// The folders whose texts the catalogue covers: the library's own.
const char* const kCodeFolders[] = {"dialogs", "pages",   "controls", "interface", "platform",
                                    "reader",  "loaders", "settings", "wellsymbol"};

// Chinese texts of the code that are data, not texts shown to the user: the
// unit texts files and the settings file write, matched against what a file
// holds, and a font family.
const std::map<QString, std::set<QString>> kDataTexts = {
    {QStringLiteral("settings/CurveTable.cpp"),
     {QStringLiteral("米"), QStringLiteral("分米"), QStringLiteral("厘米"), QStringLiteral("英寸"),
      QStringLiteral("英尺"), QStringLiteral("微秒/米"), QStringLiteral("微伦琴/小时"),
      QStringLiteral("毫伏"), QStringLiteral("克/立方厘米"), QStringLiteral("毫姆欧/米"),
      QStringLiteral("欧姆\u00B7米")}},
    {QStringLiteral("loaders/CurveUnitNormalizer.cpp"),
     {QStringLiteral("欧姆·米"), QStringLiteral("厘米"), QStringLiteral("米"),
      QStringLiteral("英尺"), QStringLiteral("英寸"), QStringLiteral("微秒/米"),
      QStringLiteral("毫伏"), QStringLiteral("微伦琴")}},
    {QStringLiteral("controls/CPictureComboBox.cpp"), {QStringLiteral("宋体")}},
};

} // namespace

TEST(TranslationCatalogue, EveryMarkedTextOfTheCodeHasItsEnglishAndNoOtherTextIsHeld) {
    // The catalogue refreshed from the code as a developer refreshes it: a
    // text new in the code comes in unfinished, a text gone from the code goes.
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString refreshed = scratch.filePath(QStringLiteral("welldata_en.ts"));
    ASSERT_TRUE(QFile::copy(kEnglishSource, refreshed));
    QProcess update;
    update.start(kSourceDir + QStringLiteral("/scripts/update-translations.sh"), {refreshed});
    ASSERT_TRUE(update.waitForFinished(120000));
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();

    const std::vector<CatalogueMessage> committed = ReadCatalogue(kEnglishSource);
    const std::vector<CatalogueMessage> current = ReadCatalogue(refreshed);
    EXPECT_GT(current.size(), 200u); // every dialog, page, control and message
    for (const CatalogueMessage& message : current) {
        EXPECT_TRUE(message.type.isEmpty() && !message.translation.isEmpty())
            << "no English for \"" << message.source.toStdString() << "\" ("
            << message.context.toStdString() << ")";
        EXPECT_FALSE(HasChinese(message.translation)) << message.translation.toStdString();
    }
    EXPECT_EQ(committed.size(), current.size())
        << "the catalogue holds texts the code no longer has: run scripts/update-translations.sh";
}

TEST(TranslationCatalogue, NoChineseTextOfTheCodeEscapesTheCatalogue) {
    std::set<QString> sources;
    for (const CatalogueMessage& message : ReadCatalogue(kEnglishSource))
        sources.insert(message.source);
    const auto marked = [&sources](const QString& piece) {
        return std::any_of(sources.begin(), sources.end(),
                           [&piece](const QString& source) { return source.contains(piece); });
    };
    int checked = 0;
    for (const char* folder : kCodeFolders) {
        QDirIterator files(kSourceDir + QLatin1Char('/') + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString relative = QDir(kSourceDir).relativeFilePath(path);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const auto data = kDataTexts.find(relative);
            for (const auto& [line, text] : StringLiterals(QString::fromUtf8(file.readAll()))) {
                if (!HasChinese(text))
                    continue;
                ++checked;
                const bool isData = data != kDataTexts.end() && data->second.count(text) != 0;
                EXPECT_TRUE(isData || marked(text))
                    << relative.toStdString() << ":" << line << ": \"" << text.toStdString()
                    << "\" is not in the translation catalogue";
            }
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(TranslationCatalogue, TheLibraryCarriesTheCatalogueOfItsSource) {
    QTranslator built;
    ASSERT_TRUE(built.load(QStringLiteral(":/i18n/welldata_en.qm")));
    for (const CatalogueMessage& message : ReadCatalogue(kEnglishSource))
        EXPECT_EQ(built.translate(message.context.toUtf8().constData(),
                                  message.source.toUtf8().constData()),
                  message.translation)
            << message.source.toStdString();
}
