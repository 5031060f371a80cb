#include "ViewerLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

bool ViewerLanguage::Use(welldata::Language language) {
    // One translator for the program's life, installed at most once.
    static QTranslator chinese;
    QCoreApplication::removeTranslator(&chinese);
    if (language != welldata::Language::Chinese)
        return true;
    return chinese.load(QStringLiteral(":/i18n/welldata-viewer_zh.qm")) &&
           QCoreApplication::installTranslator(&chinese);
}
