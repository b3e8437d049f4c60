#include "shell/settings/frm_settings.h"
#include "shell/startup/restart_program.h"
#include "shell/startup/shut_down.h"
#include "shell/startup/start_up.h"
#include "tests/shell/startup/startup_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {
// A started program whose settings dialog restarts it for real, but whose new start is
// only recorded.
class Restart : public StartupFixture {
protected:
    void SetUp() override {
        StartupFixture::SetUp();
        folder.InstallSupportFiles();
        ASSERT_EQ(Main(), StartResult::Running);
        ShellHook().RestartProgram = [] { RestartProgram(); };
        ShellHook().KillTimers = [this] { ++shutDowns; };
        ui.messageCalls.clear();
    }
    // The dialog's OK with English chosen and the restart question answered.
    void chooseEnglish(bool restart) {
        frmSettings dialog;
        dialog.Form_Load();
        dialog.cboLanguage->setCurrentIndex(1);
        dialog.chkConnected->setChecked(true);
        ui.messageAnswers.push_back(restart);
        dialog.btnOk->click();
    }
    bool startAgain() {
        return StartAgainIfAsked([this](const QString& program, const QStringList& arguments) {
            started.append(program);
            EXPECT_TRUE(arguments.isEmpty());
            return true;
        });
    }
    int shutDowns = 0;
    QStringList started;
};
} // namespace

TEST_F(Restart, YesShutsDownOnceAndStartsTheProgramAgainInTheNewLanguage) {
    ASSERT_EQ(Options().Language, 0);
    chooseEnglish(true);
    // Nothing goes while the command that asked is still running.
    EXPECT_EQ(shutDowns, 0);
    QApplication::sendPostedEvents();
    EXPECT_EQ(shutDowns, 1);
    EXPECT_TRUE(Shell().ShutDownStarted);
    EXPECT_FALSE(MainWindow().isVisible());

    // The options file holds the new choice, field for field as the record.
    const QByteArray written = iniBytes();
    ASSERT_EQ(written.size(), OptionsFileSize);
    EXPECT_EQ(written, OptionsToBytes(Options()));
    OptionsRecord next;
    ASSERT_TRUE(OptionsFromBytes(written, next));
    EXPECT_EQ(next.Language, 1);
    EXPECT_TRUE(next.ConnectOnStart);

    // The main window's close and the end of main run no second shutdown.
    QFile::remove(ini());
    MainWindow().close();
    ShutDown(nullptr);
    EXPECT_EQ(shutDowns, 1);
    EXPECT_FALSE(QFile::exists(ini()));

    EXPECT_TRUE(startAgain());
    EXPECT_EQ(started, QStringList{QCoreApplication::applicationFilePath()});
    EXPECT_FALSE(startAgain()) << "started once";
}

TEST_F(Restart, NoKeepsTheProgramRunningAndTheNewLanguageWaitsForTheNextStart) {
    chooseEnglish(false);
    QApplication::sendPostedEvents();
    EXPECT_EQ(shutDowns, 0);
    EXPECT_FALSE(Shell().ShutDownStarted);
    EXPECT_EQ(Options().Language, 1);
    EXPECT_EQ(Language().ResOffset, 0) << "the texts stay Italian until the next start";
    EXPECT_FALSE(startAgain());

    // The next start, after an ordinary exit, is in English.
    ShutDown(&MainWindow());
    OptionsRecord next;
    ASSERT_TRUE(OptionsFromBytes(iniBytes(), next));
    EXPECT_EQ(next.Language, 1);
}

TEST_F(Restart, AnUnsavedDataSetIsOfferedForSavingFirst) {
    CurrentData().DataPresent = true;
    CurrentData().DataSaved = false;
    const QString question = ResString(31); // the texts go with the shutdown
    chooseEnglish(true);
    ui.messageAnswers = {false}; // do not save
    QApplication::sendPostedEvents();
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[1].message, question);
    EXPECT_EQ(shutDowns, 1);
}
