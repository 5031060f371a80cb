// The language switch: the host's call, the choice a program makes from the
// locale or its --lang option, and the library's own texts in each language
// (messages a load carries and shows, problem texts, curve display names).
#include "language/ScopedLanguage.h"

#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/CurveNaming.h"
#include "welldata/LoadChoices.h"
#include "welldata/TablePreview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using welldata::Language;
using welldata::LoadError;

namespace {

// Sets the locale variables for one case and puts the previous ones back.
class ScopedLocale {
public:
    ScopedLocale(const char* all, const char* messages, const char* lang) {
        for (const auto& [name, value] :
             {std::pair("LC_ALL", all), std::pair("LC_MESSAGES", messages),
              std::pair("LANG", lang)}) {
            const char* previous = std::getenv(name);
            m_previous.emplace_back(name,
                                    previous ? std::optional<std::string>(previous) : std::nullopt);
            Set(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~ScopedLocale() {
        for (const auto& [name, value] : m_previous)
            Set(name, value);
    }

private:
    static void Set(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> m_previous;
};

const std::string kLasWithoutCurves = "~Version\n VERS. 2.0 :\n~A\n1 2\n";

} // namespace

TEST(LanguageChoice, ChineseIsTheDefaultAndTheHostsCallChangesIt) {
    EXPECT_EQ(welldata::GetLanguage(), Language::Chinese);
    {
        const ScopedLanguage english(Language::English);
        EXPECT_EQ(welldata::GetLanguage(), Language::English);
    }
    EXPECT_EQ(welldata::GetLanguage(), Language::Chinese);
}

TEST(LanguageChoice, AProgramChoosesByItsOptionElseByTheLocaleOfMessages) {
    struct Case {
        const char* option; // null: no --lang
        const char* all;
        const char* messages;
        const char* lang;
        std::optional<Language> expected; // none: the option is refused
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, "en_US.UTF-8", Language::English},
        {nullptr, nullptr, nullptr, "en_GB", Language::English},
        {nullptr, nullptr, nullptr, "en", Language::English},
        {nullptr, nullptr, nullptr, "en.UTF-8", Language::English},
        {nullptr, nullptr, nullptr, "C.UTF-8", Language::Chinese},
        {nullptr, nullptr, nullptr, "zh_CN.UTF-8", Language::Chinese},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::Chinese},
        {nullptr, nullptr, nullptr, "eng", Language::Chinese},
        {nullptr, nullptr, nullptr, nullptr, Language::Chinese},
        // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
        {nullptr, "zh_CN.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::Chinese},
        {nullptr, nullptr, "en_US.UTF-8", "zh_CN.UTF-8", Language::English},
        {nullptr, "", "", "en_US.UTF-8", Language::English},
        // The option wins over any locale.
        {"en", "zh_CN.UTF-8", nullptr, "C", Language::English},
        {"zh", "en_US.UTF-8", nullptr, "en_US.UTF-8", Language::Chinese},
        {"fr", nullptr, nullptr, nullptr, std::nullopt},
        {"EN", nullptr, nullptr, nullptr, std::nullopt},
        {"", nullptr, nullptr, nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        const ScopedLocale locale(c.all, c.messages, c.lang);
        Language chosen = Language::English == c.expected ? Language::Chinese : Language::English;
        const bool known = welldata::ChooseLanguage(
            c.option ? std::optional<std::string>(c.option) : std::nullopt, chosen);
        const std::string label = std::string("option ") + (c.option ? c.option : "(none)") +
                                  ", LANG " + (c.lang ? c.lang : "(unset)");
        EXPECT_EQ(known, c.expected.has_value()) << label;
        EXPECT_TRUE(!c.expected || chosen == *c.expected) << label;
    }
}

TEST(LanguageChoice, ALoadCarriesAndShowsTheLibrarysMessagesInTheChosenLanguage) {
    testing_support::ScratchDir dir;
    const std::wstring las = dir.Write("no-curves.las", kLasWithoutCurves);
    const auto loadByName = [&las](Language language) {
        const ScopedLanguage chosen(language);
        testing_support::MessageCapture messages;
        CLoadData load(COMMON::LDT_WELL_DATA);
        EXPECT_FALSE(load.ReadFile(las));
        EXPECT_EQ(load.GetLastFailure().error, LoadError::LasNotLas);
        EXPECT_EQ(messages.Single(), load.GetLastFailure().message) << "shown as carried";
        return load.GetLastFailure().message;
    };
    EXPECT_EQ(loadByName(Language::English),
              L"Not a valid LAS file: its ~V or ~C section is missing.");
    EXPECT_EQ(loadByName(Language::Chinese), L"非法的Las格式文件。");

    const ScopedLanguage english(Language::English);
    testing_support::MessageCapture messages;
    CLoadData load(COMMON::LDT_WELL_DATA);
    EXPECT_FALSE(load.ReadFile(testing_support::Widen(dir.Path() + "/missing.las")));
    EXPECT_EQ(load.GetLastFailure().message, L"The file cannot be opened.");
    EXPECT_EQ(messages.Single(), L"The file cannot be opened.");
}

TEST(LanguageChoice, AnEmptyFileGivesItsReasonInEitherLanguageAndShowsNothing) {
    testing_support::ScratchDir dir;
    testing_support::MessageCapture messages;
    const std::wstring empty = dir.Write("empty.las", "");
    const std::wstring blank = dir.Write("blank.txt", "\n\n\n");
    const std::pair<Language, const wchar_t*> reasons[] = {
        {Language::Chinese, L"文件中没有文本行：文件是空的，或只有空行。"},
        {Language::English,
         L"The file holds no line of text: it is empty, or holds blank lines only."},
    };
    for (const auto& [language, reason] : reasons) {
        const ScopedLanguage chosen(language);
        CLoadData byName(COMMON::LDT_WELL_DATA);
        EXPECT_FALSE(byName.ReadFile(empty));
        EXPECT_EQ(byName.GetLastFailure().error, LoadError::NoText);
        EXPECT_EQ(byName.GetLastFailure().message, reason);

        CLoadData table(COMMON::LDT_WELL_PATH);
        welldata::PathColumnAssignment path;
        path.dataType = PATH_X_Y_Z;
        path.Column(welldata::PathColumn::X) = 1;
        path.Column(welldata::PathColumn::Y) = 2;
        path.Column(welldata::PathColumn::Z) = 3;
        EXPECT_FALSE(table.ReadFile(blank, path));
        EXPECT_EQ(table.GetLastFailure().message, reason);

        const welldata::TablePreview preview =
            welldata::PreviewTable(blank, welldata::TableKind::WellPath);
        EXPECT_EQ(preview.failure.error, LoadError::NoText);
        EXPECT_EQ(preview.failure.message, reason);
    }
    EXPECT_EQ(messages.Count(), 0u) << "the library shows nothing for an empty file";
}

TEST(LanguageChoice, ProblemTextsHandedOutStayValidAfterTheLanguageChanges) {
    const wchar_t* english = nullptr;
    {
        const ScopedLanguage chosen(Language::English);
        english = welldata::DepthCurveProblem(2);
        welldata::WellHeadChoices choices;
        choices.nameColumn = 0;
        choices.xColumn = 1;
        EXPECT_STREQ(welldata::WellHeadChoicesProblem(choices),
                     L"Please give the column of the well's Y coordinate.");
    }
    EXPECT_STREQ(welldata::DepthCurveProblem(2),
                 L"添加井曲线时,有且仅有一个深度道,请确认之后重试。");
    EXPECT_STREQ(english,
                 L"A well log must have exactly one depth curve. Please check the curves and "
                 L"try again.");
    EXPECT_EQ(welldata::DepthCurveProblem(1), nullptr);
}

TEST(LanguageChoice, CurveDisplayNamesFollowTheLanguage) {
    const settings_test::ScopedSettingsFile settings(settings_test::SectionText(
        "well_log", {"21=GR 自然伽马 GAMMA", "41=GRSG", "30=RT 地层电阻率"}));
    struct Case {
        const wchar_t* name;
        const wchar_t* chinese; // null: none
        const wchar_t* english;
    };
    const Case cases[] = {
        {L"GR", L"自然伽马", L"Gamma ray"},
        {L"gamma", L"自然伽马", L"Gamma ray"},
        {L"RT", L"地层电阻率", L"Formation resistivity"},
        {L"GRSG", nullptr, nullptr}, // a kind without a display name
        {L"XYZ", nullptr, nullptr},  // a name the settings file does not know
    };
    for (const Case& c : cases) {
        for (const auto& [language, expected] :
             {std::pair(Language::Chinese, c.chinese), std::pair(Language::English, c.english)}) {
            const ScopedLanguage chosen(language);
            std::wstring name = L"left over";
            EXPECT_EQ(welldata::GetCurveDisplayName(c.name, name), expected != nullptr)
                << testing_support::Narrow(c.name);
            EXPECT_EQ(name, expected ? expected : L"") << testing_support::Narrow(c.name);
        }
    }
}
