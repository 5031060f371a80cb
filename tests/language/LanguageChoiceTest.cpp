// The language switch by the host's call, and the reasons a load carries and
// shows in each language (an empty file's too). The choice by locale and
// --lang is the command's to show, curve display names the plot's.
#include "language/ScopedLanguage.h"

#include "support/TestSupport.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

#include <tuple>

using welldata::Language;

TEST(LanguageChoice, ChineseIsTheDefaultAndTheHostsCallChangesIt) {
    EXPECT_EQ(welldata::GetLanguage(), Language::Chinese);
    {
        const ScopedLanguage english(Language::English);
        EXPECT_EQ(welldata::GetLanguage(), Language::English);
    }
    EXPECT_EQ(welldata::GetLanguage(), Language::Chinese);
}

TEST(LanguageChoice, ALoadCarriesTheLibrarysReasonInTheChosenLanguage) {
    testing_support::ScratchDir dir;
    const std::wstring notLas = dir.Write("no-curves.las", "~Version\n VERS. 2.0 :\n~A\n1 2\n");
    const std::wstring empty = dir.Write("empty.las", "");
    // The file, its reason, and whether the library shows it: an empty file's is only carried.
    const std::tuple<Language, std::wstring, const wchar_t*, bool> cases[] = {
        {Language::English, notLas, L"Not a valid LAS file: its ~V or ~C section is missing.",
         true},
        {Language::Chinese, notLas, L"非法的Las格式文件。", true},
        {Language::English, empty,
         L"The file holds no line of text: it is empty, or holds blank lines only.", false},
        {Language::Chinese, empty, L"文件中没有文本行：文件是空的，或只有空行。", false},
    };
    for (const auto& [language, file, reason, shown] : cases) {
        const ScopedLanguage chosen(language);
        testing_support::MessageCapture messages;
        CLoadData load(COMMON::LDT_WELL_DATA);
        EXPECT_FALSE(load.ReadFile(file));
        EXPECT_EQ(load.GetLastFailure().message, reason);
        EXPECT_EQ(messages.Count(), shown ? 1u : 0u) << testing_support::Narrow(reason);
    }
}
