#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/help_window.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>

TEST_F(MainWindowTest, HelpWindowShowsTheHelpFileAndFindsInIt) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("Corvanel_en.hlp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1>Connecting</h1><p>Choose the port.</p></body></html>");
    file.close();
    frmHelp help(nullptr);
    help.ShowFile(path, HelpCommand::Finder);
    EXPECT_TRUE(help.Browser()->toPlainText().contains(QStringLiteral("Choose the port.")));
    EXPECT_EQ(help.windowTitle(), ResString(4193));
    help.SearchField()->setText(QStringLiteral("port"));
    emit help.SearchField()->returnPressed();
    EXPECT_EQ(help.Browser()->textCursor().selectedText(), QStringLiteral("port"));
}
