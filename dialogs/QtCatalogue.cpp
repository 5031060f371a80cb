#include "dialogs/QtCatalogue.h"

#include "platform/Translation.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <mutex>
#include <utility>

namespace welldata {

namespace {

// The catalogue of each language but Chinese, built into the library.
const char* CatalogueFile(Language language) {
    switch (language) {
    case Language::English:
        return ":/i18n/welldata_en.qm";
    case Language::Chinese:
        break;
    }
    return nullptr;
}

struct Catalogue {
    std::mutex mutex;
    // The chosen catalogue, null for Chinese. Shared, so that a lookup on
    // another thread keeps it while a new choice replaces it.
    std::shared_ptr<QTranslator> translator;
    // The application that holds it; null when none does yet.
    QPointer<QCoreApplication> application;
};

Catalogue& GetCatalogue() {
    static Catalogue catalogue;
    return catalogue;
}

} // namespace

bool UseCatalogue(Language language) {
    std::shared_ptr<QTranslator> translator;
    if (const char* file = CatalogueFile(language)) {
        translator = std::make_shared<QTranslator>();
        if (!translator->load(QString::fromLatin1(file)))
            return false;
    }
    Catalogue& catalogue = GetCatalogue();
    std::shared_ptr<QTranslator> previous;
    {
        const std::lock_guard<std::mutex> lock(catalogue.mutex);
        previous = std::exchange(catalogue.translator, std::move(translator));
        catalogue.application = nullptr;
    }
    // The previous catalogue leaves the application as it is destroyed.
    previous.reset();
    InstallCatalogueInApplication();
    return true;
}

std::wstring LookUpCatalogue(const char* context, const char* source) {
    std::shared_ptr<QTranslator> translator;
    {
        Catalogue& catalogue = GetCatalogue();
        const std::lock_guard<std::mutex> lock(catalogue.mutex);
        translator = catalogue.translator;
    }
    if (!translator)
        return std::wstring();
    return translator->translate(context, source).toStdWString();
}

void InstallCatalogueInApplication() {
    QCoreApplication* application = QCoreApplication::instance();
    std::shared_ptr<QTranslator> translator;
    {
        Catalogue& catalogue = GetCatalogue();
        const std::lock_guard<std::mutex> lock(catalogue.mutex);
        if (!catalogue.translator || application == nullptr || catalogue.application == application)
            return;
        catalogue.application = application;
        translator = catalogue.translator;
    }
    // Installing sends the application's widgets a language change, which may
    // come back here: it happens outside the lock.
    QCoreApplication::installTranslator(translator.get());
}

} // namespace welldata
