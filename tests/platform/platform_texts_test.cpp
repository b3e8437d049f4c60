#include "platform/platform_texts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt's own dialogs (the overwrite question of a save dialog, standard buttons) must speak
// the program's language, not always English.
TEST(PlatformTexts, QtDialogTextsFollowTheProgramsLanguage) {
    ASSERT_TRUE(InstallPlatformTexts(0));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    ASSERT_TRUE(InstallPlatformTexts(1));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
