#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/help_window.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
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

// Where no window manager gives the help window a close box, it still closes: Escape, from
// the search field or from the text, puts it away like any other window of the program.
TEST_F(MainWindowTest, EscapeClosesTheHelpWindowFromTheTextOrTheSearchField) {
    frmHelp help(nullptr);
    for (QWidget* focus :
         {static_cast<QWidget*>(help.Browser()), static_cast<QWidget*>(help.SearchField())}) {
        help.ShowFile(QString(), HelpCommand::Contents);
        ASSERT_TRUE(help.isVisible());
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(help.isVisible()) << focus->metaObject()->className();
    }
}
