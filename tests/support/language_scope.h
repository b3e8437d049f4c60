#pragma once

#include "core/language.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

// Loads the program's own language table in one language for the life of a test, so
// texts are checked the way the user reads them.
class LanguageScope {
public:
    explicit LanguageScope(int language = 1) {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        EXPECT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(language);
    }
    ~LanguageScope() {
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};
