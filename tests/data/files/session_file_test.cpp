#include "data/files/session_file.h"

#include "core/language.h"
#include "data/files/session_log.h"
#include "data/warnings/generate_warnings.h"
#include "tests/data/files/files_test_support.h"
#include "tests/support/event_scope.h"
#include "tests/support/fake_ui.h"
#include "tests/support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
// A scratch folder, the language table, the fake boxes, recorded hooks, and a current
// data set that a failed load must leave alone.
class SessionFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.On(&ProgramEvents::StatusText, [this](const QString& text) { status.append(text); });
        events.On(&ProgramEvents::DataSetReplaced, [this] { ++afterLoads; });
        WarningsPane().Clear = [this] { ++warningsRebuilt; };
        DataSet previous = MakeDataSet({{7, 7, 7}, {8, 8, 8}});
        previous.CurrentFileName = QStringLiteral("previous.log");
        previous.DataSaved = false;
        ReplaceCurrentData(std::move(previous));
    }
    void TearDown() override {
        WarningsPane() = {};
        ReplaceCurrentData(DataSet());
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray contents(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The single message shown through the program's box (empty when none).
    QString onlyMessage() const {
        return ui.messageCalls.size() == 1 ? ui.messageCalls.first().message : QString();
    }
    bool previousDataKept() const {
        const DataSet& data = CurrentData();
        return data.CurrentFileName == u"previous.log" && data.NumSamples == 2 &&
               data.DataX.size() == 3 && data.DataX[2] == 8.0f && !data.DataSaved;
    }

    QTemporaryDir dir;
    LanguageLoaded language;
    FakeUi ui;
    QStringList status;
    int afterLoads = 0;
    EventScope events;
    int warningsRebuilt = 0;
};

QByteArray goodFile(int count = 25) {
    QStringList values = {QStringLiteral("Field Activity Log"),
                          QStringLiteral("9 Dec 2026 07:44:47@9 Dec 2026 09:44:47@2"),
                          QStringLiteral("5s"),
                          QString::number(count),
                          QStringLiteral("SN001"),
                          QStringLiteral("Cantiere")};
    for (int i = 1; i <= count; ++i)
        values.append(QStringLiteral("%1.00 0.50 0,25  0").arg(i));
    return QuotedLines(values);
}
} // namespace

TEST_F(SessionFileTest, LoadReplacesTheDataSetAndRebuildsAfterIt) {
    write(QStringLiteral("a.log"), goodFile());
    ASSERT_TRUE(LoadFile(path(QStringLiteral("a.log"))));
    const DataSet& data = CurrentData();
    EXPECT_EQ(data.NumSamples, 25);
    EXPECT_EQ(data.DataSourceName, u"File");
    EXPECT_EQ(data.CurrentFileName, path(QStringLiteral("a.log")));
    EXPECT_TRUE(data.DataPresent);
    EXPECT_TRUE(data.DataSaved);
    EXPECT_FALSE(data.RfDataPresent);
    EXPECT_EQ(data.StopReason, 2);
    EXPECT_FLOAT_EQ(data.DataZ[25], 0.25f);
    EXPECT_TRUE(data.StatisticsPresent);
    EXPECT_FLOAT_EQ(data.ResMax, 25.01f);
    EXPECT_EQ(warningsRebuilt, 1);
    EXPECT_EQ(afterLoads, 1);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    const QString loading = ResString(3030);
    ASSERT_FALSE(loading.isEmpty());
    EXPECT_EQ(status, (QStringList{loading + QStringLiteral("40%"), loading + QStringLiteral("80%"),
                                   QString()}));
}

TEST_F(SessionFileTest, CorruptFilesAreRefusedAndTheDataSetStays) {
    const struct {
        const char* name;
        QByteArray bytes; // no file at all when null
        int textId;       // 0: the error report under "LoadFile"
    } cases[] = {
        {"missing.log", QByteArray(), 21},
        {"header.log", QuotedLines({QStringLiteral("Field Activity")}), 22},
        {"date.log", goodFile().replace("9 Dec 2026 07:44:47", "9 Dex 2026 07:44:47"), 25},
        {"stop.log", goodFile().replace("9 Dec 2026 09:44:47", "31/31/2026 09:44:47"), 25},
        {"step.log", goodFile().replace("\"5s\"", "\"0s\""), 24},
        {"unit.log", goodFile().replace("\"5s\"", "\"5x\""), 24},
        {"count.log", goodFile().replace("\"25\"", "\"0\""), 25},
        // Cut short, at the start or among the records.
        {"empty.log", QByteArray(""), 22},
        {"header_cut.log",
         QuotedLines({QStringLiteral("Field Activity Log"),
                      QStringLiteral("9 Dec 2026 07:44:47@9 Dec 2026 09:44:47@2"),
                      QStringLiteral("5s")}),
         22},
        {"short.log", goodFile().replace("\"25\"", "\"26\""), 22},
        {"record.log", goodFile().replace("\"7.00 0.50 0,25  0\"", "\"7.00 0.50\""), 0},
        {"huge.log", goodFile(2).replace("\"2\"", "\"2000000000\""), 22},
    };
    for (const auto& c : cases) {
        ui.messageCalls.clear();
        ui.standardCalls.clear();
        status.clear();
        const QString name = QLatin1String(c.name);
        if (!c.bytes.isNull())
            write(name, c.bytes);
        EXPECT_FALSE(LoadFile(path(name))) << c.name;
        if (c.textId != 0) {
            EXPECT_EQ(onlyMessage(), ResString(c.textId)) << c.name;
            EXPECT_FALSE(ResString(c.textId).isEmpty());
            EXPECT_TRUE(ui.standardCalls.isEmpty()) << c.name;
        } else {
            ASSERT_EQ(ui.standardCalls.size(), 1) << c.name;
            EXPECT_TRUE(ui.standardCalls.first().text.contains(u"LoadFile")) << c.name;
        }
        EXPECT_TRUE(previousDataKept()) << c.name;
        EXPECT_EQ(afterLoads, 0) << c.name;
        EXPECT_EQ(warningsRebuilt, 0) << c.name;
        EXPECT_TRUE(status.isEmpty() || status.last().isEmpty()) << c.name;
    }
}

TEST_F(SessionFileTest, AFolderIsSaidToBeAFolder) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sessions.log")));
    EXPECT_FALSE(LoadFile(path(QStringLiteral("sessions.log"))));
    EXPECT_EQ(onlyMessage(), ResString(3940));
    EXPECT_FALSE(ResString(3940).isEmpty());
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    EXPECT_TRUE(previousDataKept());
}

TEST_F(SessionFileTest, CsvNamesGoToTheStationImportWhateverTheirCase) {
    const QByteArray record =
        FileTextLocale().DateTimeText(NaiveDateTime(2026, 12, 9, 7, 44, 47)).toUtf8() +
        ",0.1,0.2,0.3,-100,1.5,0.37\n";
    for (const QString& name : {QStringLiteral("a.csv"), QStringLiteral("b.CSV")}) {
        write(name, record + record);
        ReplaceCurrentData(DataSet());
        ASSERT_TRUE(LoadFile(path(name))) << name.toStdString();
        EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File Centralina"));
        EXPECT_EQ(CurrentData().NumSamples, 2);
        EXPECT_EQ(CurrentData().CurrentFileName, path(name));
    }
    EXPECT_TRUE(ui.standardCalls.isEmpty());
}

TEST_F(SessionFileTest, SaveWritesTheCurrentDataSetAndMarksItSaved) {
    const QString name = path(QStringLiteral("out.log"));
    ASSERT_TRUE(SaveFile(name));
    EXPECT_EQ(contents(QStringLiteral("out.log")),
              SessionLogBytes(CurrentData(), FileTextLocale(QLocale::system())));
    // The numbers in the user's decimal separator.
    QByteArray last = "\"8.00 8.00 8.00  0\"\r\n";
    last.replace('.', FileTextLocale(QLocale::system()).DecimalSeparator());
    EXPECT_TRUE(contents(QStringLiteral("out.log")).endsWith(last));
    EXPECT_TRUE(CurrentData().DataSaved);
    EXPECT_EQ(CurrentData().CurrentFileName, name);
    EXPECT_TRUE(ui.messageCalls.isEmpty()) << "no question for a new name";
    // And it comes back the same.
    ASSERT_TRUE(LoadFile(name));
    EXPECT_EQ(CurrentData().DataX, (QVector<float>{0, 7, 8}));
}

TEST_F(SessionFileTest, SaveOverAFileAsksFirst) {
    write(QStringLiteral("old.log"), "old bytes");
    ui.messageAnswers = {false, true};
    // No is the user's choice, told apart from a failure.
    EXPECT_EQ(SaveSessionFile(path(QStringLiteral("old.log"))), SaveOutcome::Declined);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(26));
    EXPECT_EQ(ui.messageCalls[0].iconKind, 2);
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 0);
    EXPECT_EQ(contents(QStringLiteral("old.log")), QByteArray("old bytes"));
    EXPECT_FALSE(CurrentData().DataSaved);
    EXPECT_EQ(SaveSessionFile(path(QStringLiteral("old.log"))), SaveOutcome::Saved);
    EXPECT_TRUE(contents(QStringLiteral("old.log")).startsWith("\"Field Activity Log\""));
}

TEST_F(SessionFileTest, AFailedSaveKeepsTheOldFileWhole) {
    write(QStringLiteral("old.log"), "old bytes");
    DataSet big = MakeDataSet({});
    big.NumSamples = 100;
    big.DataX.fill(1, 101);
    big.DataY.fill(1, 101);
    big.DataZ.fill(1, 101);
    ReplaceCurrentData(std::move(big));
    events.Clear();
    events.On(&ProgramEvents::StatusText, [](const QString& text) {
        if (!text.isEmpty())
            throw std::runtime_error("disk gone");
    });
    EXPECT_EQ(SaveSessionFile(path(QStringLiteral("old.log"))), SaveOutcome::Failed);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls.first().text.contains(u"SaveFile"));
    EXPECT_EQ(contents(QStringLiteral("old.log")), QByteArray("old bytes"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.log")});
    EXPECT_FALSE(CurrentData().DataSaved);
    // A folder that does not exist is said plainly, with the file's name.
    ui.standardCalls.clear();
    ui.messageCalls.clear();
    events.Clear();
    const QString missing = path(QStringLiteral("no/such/folder.log"));
    EXPECT_FALSE(SaveFile(missing));
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    EXPECT_TRUE(onlyMessage().startsWith(ResString(3704).arg(QDir::toNativeSeparators(missing))))
        << onlyMessage().toStdString();
}

// The disk refusing the new file part way through, after part of it was written:
// the process's file size limit, with its signal ignored, makes a write fail on the way.
TEST_F(SessionFileTest, AWriteFailingPartWayKeepsTheOldFileWhole) {
    write(QStringLiteral("old.log"), "old bytes");
    DataSet big = MakeDataSet({});
    const qint32 count = 100000;
    big.NumSamples = count;
    big.DataX.fill(12.5f, count + 1);
    big.DataY.fill(3.25f, count + 1);
    big.DataZ.fill(0.75f, count + 1);
    ReplaceCurrentData(std::move(big));
    ui.messageAnswers = {true};
    SaveOutcome outcome;
    {
        const FileSizeLimit limit(300 * 1024);
        ASSERT_TRUE(limit.Active());
        outcome = SaveSessionFile(path(QStringLiteral("old.log")));
    }
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_EQ(contents(QStringLiteral("old.log")), QByteArray("old bytes"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.log")});
    EXPECT_FALSE(CurrentData().DataSaved);
    // Said as what happened, with the file's name, in a failure's box: no error report of
    // an unknown error.
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    ASSERT_EQ(ui.messageCalls.size(), 2); // the overwrite question, then the failure
    const MessageBoxRequest& told = ui.messageCalls[1];
    EXPECT_TRUE(told.message.startsWith(
        ResString(3704).arg(QDir::toNativeSeparators(path(QStringLiteral("old.log"))))))
        << told.message.toStdString();
    EXPECT_FALSE(told.message.contains(QLatin1String("Unknown error")));
    EXPECT_EQ(told.iconKind, 0);
    // With room again the same save goes through whole.
    ui.standardCalls.clear();
    ui.messageAnswers = {true};
    ASSERT_EQ(SaveSessionFile(path(QStringLiteral("old.log"))), SaveOutcome::Saved);
    EXPECT_EQ(contents(QStringLiteral("old.log")),
              SessionLogBytes(CurrentData(), FileTextLocale(QLocale::system())));
}

// A disk that has run full, where the test may mount a small one: the save says so.
TEST_F(SessionFileTest, ASaveOnAFullDiskSaysTheDiskIsFull) {
    const TinyDisk disk(path(QStringLiteral("disk")), 64);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root; the file size limit stands in";
    const QString saved = disk.FilePath(QStringLiteral("old.log"));
    {
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old bytes");
    }
    DataSet big = MakeDataSet({});
    big.NumSamples = 20000;
    big.DataX.fill(12.5f, 20001);
    big.DataY.fill(3.25f, 20001);
    big.DataZ.fill(0.75f, 20001);
    ReplaceCurrentData(std::move(big));
    ui.messageAnswers = {true};
    EXPECT_EQ(SaveSessionFile(saved), SaveOutcome::Failed);
    QFile old(saved);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old bytes"));
    EXPECT_TRUE(ui.standardCalls.isEmpty());
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[1].message, ResString(3703).arg(QDir::toNativeSeparators(saved)));
    EXPECT_EQ(ui.messageCalls[1].iconKind, 0);
    EXPECT_FALSE(CurrentData().DataSaved);
}

TEST_F(SessionFileTest, DataTheReaderWouldRefuseIsNotWritten) {
    const struct {
        qint32 count;
        qint32 step;
        const char* unit;
        int textId;
    } cases[] = {{0, 5, "s", 3700}, {2, 0, "s", 3701}, {2, 5, "x", 3701}, {2, 5, "", 3701}};
    for (const auto& c : cases) {
        ui.messageCalls.clear();
        CurrentData().NumSamples = c.count;
        CurrentData().SampleStep = c.step;
        CurrentData().SampleStepUnit = QLatin1String(c.unit);
        EXPECT_EQ(SaveSessionFile(path(QStringLiteral("refused.log"))), SaveOutcome::Failed);
        EXPECT_EQ(onlyMessage(), ResString(c.textId));
        EXPECT_FALSE(ResString(c.textId).isEmpty());
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("refused.log"))));
    }
    ui.messageCalls.clear();
    CurrentData().NumSamples = 2;
    CurrentData().SampleStep = 5;
    CurrentData().SampleStepUnit = QStringLiteral("s");
    CurrentData().StartDate = QDateTime();
    EXPECT_FALSE(SaveFile(path(QStringLiteral("refused.log"))));
    EXPECT_EQ(onlyMessage(), ResString(3702));
}

TEST_F(SessionFileTest, SaveProgressShowsOnTheStatusLabel) {
    DataSet data = MakeDataSet({});
    data.NumSamples = 20;
    data.DataX.fill(1, 21);
    data.DataY.fill(1, 21);
    data.DataZ.fill(1, 21);
    ReplaceCurrentData(std::move(data));
    ASSERT_TRUE(SaveFile(path(QStringLiteral("p.log"))));
    const QString saving = ResString(3031);
    EXPECT_EQ(status, (QStringList{saving + QStringLiteral("50%"), saving + QStringLiteral("100%"),
                                   QString()}));
}
