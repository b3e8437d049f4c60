#include "core/options.h"
#include "platform/paths.h"
#include "tests/support/fake_ui.h"
#include "tests/support/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {
class OptionsFile : public ::testing::Test {
protected:
    void SetUp() override { OptionsStore() = OptionsState{}; }
    void TearDown() override { OptionsStore() = OptionsState{}; }

    QString iniPath() const { return folder.File(QStringLiteral("Corvanel.ini")); }
    QByteArray iniBytes() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeIni(const QByteArray& bytes) const {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ScratchProgramFolder folder;
    FakeUi ui;
};

// Limits the size of files this process may write, so that a save fails part-way as it
// would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
} // namespace

TEST_F(OptionsFile, FirstStartTakesTheDefaultsAndWritesNothing) {
    Options().ThresholdColor = 0x123456; // kept: the defaults do not touch it
    ReadOptions();
    EXPECT_FALSE(QFile::exists(iniPath()));
    const OptionsRecord& o = Options();
    EXPECT_EQ(o.CommPort, 1);
    EXPECT_EQ(o.Language, 0);
    EXPECT_EQ(o.SeriesColor[0], 0xFF0000u);
    EXPECT_EQ(o.Spare2, 0xFF);
    EXPECT_EQ(o.LowRangeColor, 0xC000u);
    EXPECT_EQ(o.ThresholdColor, 0x123456u);
    EXPECT_EQ(o.LastFolder.size(), 4096);
    EXPECT_EQ(o.LastFolder.trimmed(), folder.Path());
    EXPECT_EQ(o.MRU[1], QString(4096, u' '));
    EXPECT_TRUE(o.InfoPaneDocked && o.InfoPaneVisible && o.ShowWarningsOnLoad);
    EXPECT_TRUE(o.OpenGraphTeOnLoad && o.OpenSourceOnLoad);
    EXPECT_FALSE(o.OpenGraphStOnLoad || o.WarnOnDate || o.ConnectOnStart);
    EXPECT_EQ(o.Threshold, 0.2f);
    EXPECT_EQ(o.MemorySize, 65536);
    EXPECT_TRUE(o.DefaultsMade);
    EXPECT_TRUE(ui.standardCalls.isEmpty());

    SaveOptions();
    EXPECT_EQ(QFileInfo(iniPath()).size(), 24658);
}

TEST_F(OptionsFile, ASavedFileReadsBackUnchanged) {
    ReadOptions();
    Options().CommPort = 4;
    Options().Language = 1;
    Options().MRU[1] = QStringLiteral("/misure/ultima.log").leftJustified(4096);
    Options().WindowState = 2;
    Options().Threshold = 0.5f;
    Options().MemorySize = 8192;
    SaveOptions();
    const QByteArray first = iniBytes();
    ASSERT_EQ(first.size(), 24658);

    Options() = OptionsRecord{};
    ReadOptions();
    EXPECT_EQ(Options().CommPort, 4);
    EXPECT_EQ(Options().Language, 1);
    EXPECT_EQ(Options().MRU[1].trimmed(), QStringLiteral("/misure/ultima.log"));
    EXPECT_EQ(Options().WindowState, 2);
    EXPECT_EQ(Options().Threshold, 0.5f);
    EXPECT_EQ(Options().MemorySize, 8192);
    EXPECT_FALSE(Options().DefaultsMade);

    // The next exit writes back what was read, apart from the defaults flag.
    SaveOptions();
    QByteArray second = iniBytes();
    EXPECT_EQ(second.mid(0, 24656), first.mid(0, 24656));
    EXPECT_EQ(second.mid(24656).toHex(), QByteArray("0000"));
}

TEST_F(OptionsFile, OutOfRangeFieldsInTheFileReadAsDefaults) {
    OptionsRecord stored;
    SetDefaultOptions(stored);
    stored.CommPort = 42;
    stored.Language = 6;
    stored.MemorySize = 50;
    stored.HighRangeColor = 0x777777;
    writeIni(OptionsToBytes(stored));
    ReadOptions();
    EXPECT_EQ(Options().CommPort, 1);
    EXPECT_EQ(Options().Language, 0);
    EXPECT_EQ(Options().MemorySize, 65536);
    EXPECT_EQ(Options().HighRangeColor, 0x777777u);
}

TEST_F(OptionsFile, AWrongSizedFileIsKeptAsideAndTheDefaultsUsed) {
    OptionsRecord stored;
    SetDefaultOptions(stored);
    stored.CommPort = 5;
    for (int size : {0, 100, 24657, 24659}) {
        QByteArray bytes = OptionsToBytes(stored).left(size);
        if (size > 24658)
            bytes.append(QByteArray(size - 24658, 'x'));
        writeIni(bytes);
        OptionsStore() = OptionsState{};
        ui.standardCalls.clear();

        ReadOptions();
        EXPECT_EQ(Options().CommPort, 1) << size;
        EXPECT_TRUE(Options().DefaultsMade) << size;
        EXPECT_FALSE(QFile::exists(iniPath())) << size;
        QFile bad(folder.File(QStringLiteral("Corvanel.ini.bad")));
        ASSERT_TRUE(bad.open(QIODevice::ReadOnly)) << size;
        EXPECT_EQ(bad.readAll(), bytes) << "the odd file is kept whole: " << size;
        ASSERT_EQ(ui.standardCalls.size(), 1) << size;
        EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Corvanel.ini.bad")));

        SaveOptions();
        EXPECT_EQ(QFileInfo(iniPath()).size(), 24658) << size;
        QFile::remove(bad.fileName());
    }
}

TEST_F(OptionsFile, ASecondWrongSizedFileKeepsTheFirstOneKeptAside) {
    const QByteArray first("first odd file");
    const QByteArray second("second odd file, a little longer");
    writeIni(first);
    ReadOptions();
    SaveOptions(); // the defaults, written at the first shutdown
    writeIni(second);
    OptionsStore() = OptionsState{};
    ui.standardCalls.clear();

    ReadOptions();
    QFile kept(folder.File(QStringLiteral("Corvanel.ini.bad")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), first);
    QFile keptLater(folder.File(QStringLiteral("Corvanel.ini.bad.2")));
    ASSERT_TRUE(keptLater.open(QIODevice::ReadOnly));
    EXPECT_EQ(keptLater.readAll(), second);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Corvanel.ini.bad.2")));
    EXPECT_TRUE(Options().DefaultsMade);
}

TEST_F(OptionsFile, NothingIsSavedWhenTheOptionsWereNeverRead) {
    writeIni(OptionsToBytes(OptionsRecord{}) /* a user's file */);
    const QByteArray before = iniBytes();
    Options().CommPort = 9;
    SaveOptions();
    EXPECT_EQ(iniBytes(), before);
}

TEST_F(OptionsFile, AnUnreadableFileIsReportedAndNeverSavedOver) {
    // A folder in place of the file cannot be read as a record.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("Corvanel.ini")));
    ReadOptions();
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : ReadOptions")));
    EXPECT_EQ(Options().CommPort, 1) << "the program starts on the defaults";
    SaveOptions();
    EXPECT_EQ(ui.standardCalls.size(), 1) << "no save was tried";
    EXPECT_TRUE(QFileInfo(iniPath()).isDir());
}

TEST_F(OptionsFile, AFailedSaveKeepsThePreviousFile) {
    ReadOptions();
    Options().CommPort = 3;
    SaveOptions();
    const QByteArray good = iniBytes();
    ASSERT_EQ(good.size(), 24658);

    Options().CommPort = 8;
    {
        FileSizeLimit limit(1000);
        SaveOptions();
    }
    EXPECT_EQ(iniBytes(), good);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : SaveOptions")));
}

// The program folder cannot be written, so the program writes a per-user folder: while that
// holds no options file, the program folder's (an installation's settings) is read, and
// the save goes to the per-user folder, leaving the program folder's file as it was.
TEST_F(OptionsFile, TheProgramFoldersFileCountsUntilAPerUserFileIsWritten) {
    OptionsRecord installed;
    SetDefaultOptions(installed);
    installed.CommPort = 7;
    installed.Language = 1;
    installed.DefaultsMade = false;
    writeIni(OptionsToBytes(installed));
    const QByteArray programsFile = iniBytes();
    QTemporaryDir user;
    SetWritableFolderForTests(user.path());
    const QString userIni = QDir(user.path()).filePath(QStringLiteral("Corvanel.ini"));
    ASSERT_EQ(OptionsFilePath(), userIni);

    ReadOptions();
    EXPECT_EQ(Options().CommPort, 7);
    EXPECT_EQ(Options().Language, 1);
    EXPECT_FALSE(Options().DefaultsMade);
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    Options().CommPort = 2;
    SaveOptions();
    EXPECT_EQ(QFileInfo(userIni).size(), 24658);
    EXPECT_EQ(iniBytes(), programsFile);

    // From now on the per-user file is the one read.
    OptionsStore() = OptionsState{};
    ReadOptions();
    EXPECT_EQ(Options().CommPort, 2);
    EXPECT_EQ(Options().Language, 1);

    // A program folder's file of the wrong size gives the defaults, stays where it is, and
    // the options are still saved per user.
    QFile::remove(userIni);
    writeIni("not a record");
    OptionsStore() = OptionsState{};
    ReadOptions();
    EXPECT_EQ(Options().CommPort, 1);
    EXPECT_EQ(iniBytes(), QByteArray("not a record"));
    EXPECT_FALSE(QFile::exists(folder.File(QStringLiteral("Corvanel.ini.bad"))));
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QDir::toNativeSeparators(userIni)));
    SaveOptions();
    EXPECT_EQ(QFileInfo(userIni).size(), 24658);
    SetWritableFolderForTests(folder.Path());
}
