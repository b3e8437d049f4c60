#include "data/files/station_csv.h"

#include "core/language.h"
#include "data/files/session_file.h"
#include "tests/data/files/files_test_support.h"
#include "tests/support/fake_ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QLocale British(QStringLiteral("en_GB"));

// One record: the date-time of 9 December 2026 07:44:47 plus seconds, then the values.
QByteArray record(int seconds, const char* values) {
    const QDateTime when = NaiveDateTime(2026, 12, 9, 7, 44, 47).addSecs(seconds);
    return FileTextLocale(British).DateTimeText(when).toUtf8() + ',' + values;
}

QByteArray joined(const QList<QByteArray>& lines, const char* end, bool finalEnd = true) {
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (finalEnd || i + 1 < lines.size())
            out += end;
    }
    return out;
}

const QList<QByteArray> ThreeRecords = {record(0, "0.12,0.34,0.56,1,1.5,0.67"),
                                        record(5, "1,2,3,-100,2.5,3.74"),
                                        record(10, "-1,0,0.5,3,0.5,1.12")};

StationCsvResult read(const QByteArray& bytes, DataSet& data, const QLocale& locale = British) {
    return ReadStationCsv(bytes, FileTextLocale(locale), data);
}
} // namespace

TEST(StationCsv, ReadsTheRecordsWhateverTheLineEnds) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"LF", joined(ThreeRecords, "\n")},
        {"CR LF", joined(ThreeRecords, "\r\n")},
        {"CR", joined(ThreeRecords, "\r")},
        {"no final line end", joined(ThreeRecords, "\n", false)},
        {"CR LF, no final line end", joined(ThreeRecords, "\r\n", false)},
        {"blank lines and a byte-order mark", "\xEF\xBB\xBF" + ThreeRecords[0] + "\n\n" +
                                                  ThreeRecords[1] + "\r\n  \r\n" + ThreeRecords[2] +
                                                  "\n\n\n"},
    };
    for (const auto& c : cases) {
        DataSet data;
        const StationCsvResult result = read(c.bytes, data);
        ASSERT_EQ(result.refusal, StationCsvRefusal::None) << c.name;
        EXPECT_EQ(data.NumSamples, 3) << c.name;
        EXPECT_EQ(data.StartDate, NaiveDateTime(2026, 12, 9, 7, 44, 47)) << c.name;
        EXPECT_EQ(data.DataX, (QVector<float>{0, 0.12f, 1, -1})) << c.name;
        EXPECT_EQ(data.DataY, (QVector<float>{0, 0.34f, 2, 0})) << c.name;
        EXPECT_EQ(data.DataZ, (QVector<float>{0, 0.56f, 3, 0.5f})) << c.name;
        EXPECT_EQ(data.DataRf, (QVector<float>{0, 1.5f, 2.5f, 0.5f})) << c.name;
        EXPECT_EQ(data.DataRes, (QVector<double>{0, double(0.67f), double(3.74f), double(1.12f)}))
            << c.name;
        // The auxiliary value of -100 is no value: the figures are over 1 and 3.
        EXPECT_FLOAT_EQ(data.CsvAuxMean, 2.0f) << c.name;
        EXPECT_FLOAT_EQ(data.CsvAuxMin, 1.0f) << c.name;
        EXPECT_FLOAT_EQ(data.CsvAuxMax, 3.0f) << c.name;
        EXPECT_FLOAT_EQ(data.CsvRfMean, 1.5f) << c.name;
        EXPECT_FLOAT_EQ(data.CsvRfMin, 0.5f) << c.name;
        EXPECT_FLOAT_EQ(data.CsvRfMax, 2.5f) << c.name;
    }
}

TEST(StationCsv, FixedValuesAndTheFiguresOfTheImport) {
    DataSet data;
    ASSERT_EQ(read(joined(ThreeRecords, "\n"), data).refusal, StationCsvRefusal::None);
    EXPECT_EQ(data.SampleStep, 5);
    EXPECT_EQ(data.SampleStepUnit, QStringLiteral("s"));
    EXPECT_EQ(data.DataSourceName, QStringLiteral("File Centralina"));
    EXPECT_EQ(data.IDShort, QString(16, u' '));
    EXPECT_EQ(data.IDLong, QString(48, u' '));
    EXPECT_TRUE(data.RfDataPresent && data.DataPresent && data.DataSaved);
    EXPECT_EQ(data.DataEndDate, NaiveDateTime(2026, 12, 9, 7, 45, 2));
    EXPECT_EQ(data.StopDate, NoStopDate());
    // The resultants' figures are this file's, not the previous data set's.
    EXPECT_TRUE(data.StatisticsPresent);
    EXPECT_FLOAT_EQ(data.ResMax, 3.74f);
    EXPECT_FLOAT_EQ(data.ResMin, 0.67f);
}

TEST(StationCsv, AuxiliaryFiguresOverTheValuesPresent) {
    const struct {
        QList<const char*> aux;
        float mean, min, max;
    } cases[] = {
        {{"1", "3"}, 2, 1, 3},                      // the last record's value counts
        {{"-100", "4"}, 4, 4, 4},                   // a first record without a value
        {{"2", "-100", "4"}, 3, 2, 4},              // the mean is over the values, not the records
        {{"-100", "-100"}, 0, 0, 0},                // none at all
        {{"-100.5", "-99"}, -99.75f, -100.5f, -99}, // only exactly -100 means none
    };
    for (const auto& c : cases) {
        QList<QByteArray> lines;
        for (const char* v : c.aux)
            lines << record(0, (QByteArray("1,1,1,") + v + ",7,1.73").constData());
        DataSet data;
        ASSERT_EQ(read(joined(lines, "\n"), data).refusal, StationCsvRefusal::None);
        EXPECT_FLOAT_EQ(data.CsvAuxMean, c.mean) << c.aux.first();
        EXPECT_FLOAT_EQ(data.CsvAuxMin, c.min) << c.aux.first();
        EXPECT_FLOAT_EQ(data.CsvAuxMax, c.max) << c.aux.first();
        EXPECT_FLOAT_EQ(data.CsvRfMean, 7.0f);
    }
}

TEST(StationCsv, NumbersReadTheSameInEveryLocale) {
    for (const char* name : {"it_IT", "de_DE", "en_US", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const QByteArray line =
            FileTextLocale(locale).DateTimeText(NaiveDateTime(2026, 12, 9, 7, 44, 47)).toUtf8() +
            ", +0.125 ,1e-2,12.5,-100,1.5,0.5\n";
        DataSet data;
        ASSERT_EQ(read(line, data, locale).refusal, StationCsvRefusal::None) << name;
        EXPECT_EQ(data.DataX[1], 0.125f) << name;
        EXPECT_EQ(data.DataY[1], 0.01f) << name;
        EXPECT_EQ(data.DataZ[1], 12.5f) << name;
    }
}

// A station writing 24-hour times or ISO dates is read under a locale that writes AM/PM:
// the first record's date to the second.
TEST(StationCsv, DatesOfAStationInAnotherLocaleAreRead) {
    const QLocale american(QStringLiteral("en_US"));
    const struct {
        const char* first;
        const char* second;
        QDateTime start;
    } cases[] = {
        {"3/4/2026 21:15:00", "3/4/2026 21:15:05", NaiveDateTime(2026, 3, 4, 21, 15, 0)},
        {"2026-03-04 09:15:00", "2026-03-04 09:15:05", NaiveDateTime(2026, 3, 4, 9, 15, 0)},
    };
    for (const auto& c : cases) {
        const QByteArray bytes =
            QByteArray(c.first) + ",1,2,3,4,5,6\n" + c.second + ",1,2,3,4,5,6\n";
        DataSet data;
        ASSERT_EQ(read(bytes, data, american).refusal, StationCsvRefusal::None) << c.first;
        EXPECT_EQ(data.StartDate, c.start) << c.first;
        EXPECT_EQ(data.NumSamples, 2) << c.first;
    }
    // A day that is no month in the locale's order is refused, never swapped.
    DataSet data;
    EXPECT_EQ(read("21/4/2026 21:15:00,1,2,3,4,5,6\n", data, american).refusal,
              StationCsvRefusal::BadDate);
}

TEST(StationCsv, RefusesWithTheLineAndField) {
    const QByteArray good = record(0, "1,2,3,4,5,6");
    const struct {
        const char* name;
        QByteArray bytes;
        StationCsvRefusal refusal;
        qint32 line;
        int field;
    } cases[] = {
        {"empty", "", StationCsvRefusal::Empty, 0, 0},
        {"blank lines only", "\r\n \n\n", StationCsvRefusal::Empty, 3, 0},
        {"six fields", good + "\n" + record(5, "1,2,3,4,5") + "\n", StationCsvRefusal::FieldCount,
         2, 6},
        {"eight fields", good + "\n" + record(5, "1,2,3,4,5,6,7") + "\n",
         StationCsvRefusal::FieldCount, 2, 8},
        {"a word for z", good + "\r\n" + good + "\r\n" + record(10, "1,2,abc,4,5,6"),
         StationCsvRefusal::BadNumber, 3, 4},
        {"an empty field", good + "\n" + record(5, "1,,3,4,5,6"), StationCsvRefusal::BadNumber, 2,
         3},
        {"a number with a comma decimal in seven fields", good + "\n" + record(5, "1,2,3,4,5,6x"),
         StationCsvRefusal::BadNumber, 2, 7},
        {"not a number", good + "\n" + record(5, "1,2,3,4,nan,6"), StationCsvRefusal::BadNumber, 2,
         6},
        {"bad first date", "yesterday,1,2,3,4,5,6\n", StationCsvRefusal::BadDate, 1, 1},
        {"bad second date", good + "\n\n31/02/2026 10:00:00,1,2,3,4,5,6\n",
         StationCsvRefusal::BadDate, 3, 1},
    };
    for (const auto& c : cases) {
        DataSet data;
        const StationCsvResult result = read(c.bytes, data);
        EXPECT_EQ(result.refusal, c.refusal) << c.name;
        EXPECT_EQ(result.line, c.line) << c.name;
        EXPECT_EQ(result.field, c.field) << c.name;
    }
    // Later records' dates are not read.
    DataSet data;
    EXPECT_EQ(read(good + "\n" + good + "\nlater,1,2,3,4,5,6\n", data).refusal,
              StationCsvRefusal::None);
    EXPECT_EQ(data.NumSamples, 3);
}

TEST(StationCsv, EndsAtTheCapCountingWhatIsLeftOut) {
    for (int extra : {0, 1, 25}) {
        QByteArray bytes;
        const QByteArray line = record(0, "0.5,0.5,0.5,-100,1,0.87") + "\n";
        for (int i = 0; i < StationCsvMaxRecords + extra; ++i)
            bytes += line;
        DataSet data;
        const StationCsvResult result = read(bytes, data);
        ASSERT_EQ(result.refusal, StationCsvRefusal::None) << extra;
        EXPECT_EQ(data.NumSamples, StationCsvMaxRecords) << extra;
        EXPECT_EQ(data.DataX.size(), StationCsvMaxRecords + 1) << extra;
        EXPECT_EQ(result.leftOut, extra);
    }
}

// A record as the user's own locale writes its date, the way the import reads it.
QByteArray localRecord(int seconds, const char* values) {
    const QDateTime when = NaiveDateTime(2026, 12, 9, 7, 44, 47).addSecs(seconds);
    return FileTextLocale().DateTimeText(when).toUtf8() + ',' + values;
}

// The import through the loader, as the open dialog, the recent files and the command
// line reach it.
class OpenCsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataSet previous = MakeDataSet({{7, 7, 7}});
        previous.CurrentFileName = QStringLiteral("previous.log");
        ReplaceCurrentData(std::move(previous));
    }
    void TearDown() override { ReplaceCurrentData(DataSet()); }
    QString write(const QByteArray& bytes) {
        const QString name = QDir(dir.path()).filePath(QStringLiteral("station.csv"));
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return name;
    }
    QTemporaryDir dir;
    LanguageLoaded language;
    FakeUi ui;
};

TEST_F(OpenCsvTest, ARefusedFileLeavesTheDataSetAndNamesTheLine) {
    const QString name =
        write(localRecord(0, "1,2,3,4,5,6") + "\n" + localRecord(5, "1,2,x,4,5,6") + "\n");
    EXPECT_FALSE(LoadFile(name));
    EXPECT_EQ(CurrentData().CurrentFileName, QStringLiteral("previous.log"));
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(3744).arg(2).arg(4));
    EXPECT_TRUE(ui.standardCalls.isEmpty());

    EXPECT_FALSE(LoadFile(write(QByteArray())));
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[1].message, ResString(3741));
    EXPECT_EQ(CurrentData().CurrentFileName, QStringLiteral("previous.log"));
}

TEST_F(OpenCsvTest, ALongFileIsTakenUpToTheCapAndSaysHowManyWereLeftOut) {
    QByteArray bytes;
    const QByteArray line = localRecord(0, "0.5,0.5,0.5,-100,1,0.87") + "\r\n";
    for (int i = 0; i < StationCsvMaxRecords + 3; ++i)
        bytes += line;
    const QString name = write(bytes);
    ASSERT_TRUE(OpenCsv(name));
    EXPECT_EQ(CurrentData().NumSamples, StationCsvMaxRecords);
    EXPECT_EQ(CurrentData().CurrentFileName, name);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(3740).arg(StationCsvMaxRecords).arg(3));
}
