// The library's language for one test: chosen at the start, Chinese (the
// default every other test expects) again at the end.
#pragma once

#include "welldata/Language.h"

#include <gtest/gtest.h>

class ScopedLanguage {
public:
    explicit ScopedLanguage(welldata::Language language) {
        EXPECT_TRUE(welldata::SetLanguage(language));
    }
    ~ScopedLanguage() { welldata::SetLanguage(welldata::Language::Chinese); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};
