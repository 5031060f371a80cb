#include "platform/Translation.h"

#include "welldata/Utf8.h"

#include <atomic>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

namespace welldata {

namespace {

std::atomic<Language> g_language{Language::Chinese};

std::mutex& ChoiceMutex() {
    static std::mutex mutex;
    return mutex;
}

// The first of the variables that is set and not empty, as the C library
// takes the locale of messages.
std::string MessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "";
}

bool IsEnglishLocale(const std::string& locale) {
    return locale == "en" || locale.rfind("en_", 0) == 0 || locale.rfind("en.", 0) == 0 ||
           locale.rfind("en@", 0) == 0;
}

} // namespace

// The Qt part's definitions replace these when it is linked in.
__attribute__((weak)) bool UseCatalogue(Language language) {
    return language == Language::Chinese;
}

__attribute__((weak)) std::wstring LookUpCatalogue(const char*, const char*) {
    return std::wstring();
}

bool SetLanguage(Language language) {
    const std::lock_guard<std::mutex> lock(ChoiceMutex());
    if (!UseCatalogue(language))
        return false;
    g_language = language;
    return true;
}

Language GetLanguage() {
    return g_language;
}

bool ChooseLanguage(const std::optional<std::string>& name, Language& language) {
    if (!name) {
        language = IsEnglishLocale(MessagesLocale()) ? Language::English : Language::Chinese;
        return true;
    }
    if (*name != "en" && *name != "zh")
        return false;
    language = *name == "en" ? Language::English : Language::Chinese;
    return true;
}

std::wstring Translate(const CatalogueText& text) {
    if (g_language != Language::Chinese) {
        std::wstring translation = LookUpCatalogue(text.context, text.source);
        if (!translation.empty())
            return translation;
    }
    return FromUtf8(text.source);
}

const wchar_t* TranslatedText(const CatalogueText& text) {
    static std::mutex mutex;
    // Map nodes stay where they are: the texts handed out stay valid.
    static std::map<std::tuple<Language, std::string, std::string>, std::wstring> kept;
    const auto key = std::make_tuple(GetLanguage(), std::string(text.context), text.source);
    const std::lock_guard<std::mutex> lock(mutex);
    auto found = kept.find(key);
    if (found == kept.end())
        found = kept.emplace(key, Translate(text)).first;
    return found->second.c_str();
}

} // namespace welldata
