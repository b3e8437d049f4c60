#pragma once

#include "core/language.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

// The program's own language table loaded in one language for the life of a test.
class DataLanguageScope {
public:
    explicit DataLanguageScope(int language = 1) {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        EXPECT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(language);
    }
    ~DataLanguageScope() {
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }
    DataLanguageScope(const DataLanguageScope&) = delete;
    DataLanguageScope& operator=(const DataLanguageScope&) = delete;
};
