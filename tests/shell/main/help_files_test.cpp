// The help files say what the program does, in both languages: the settings dialog's pages,
// the information pane's Window menu items, and a station file that the import really
// reads.
#include "tests/shell/main/main_window_fixture.h"

#include "data/files/station_csv.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

namespace {
QString helpText(int language) {
    QFile file(QStringLiteral(CORVANEL_SOURCE_DIR "/help/Corvanel_%1.hlp")
                   .arg(language == 0 ? QStringLiteral("it") : QStringLiteral("en")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

// A caption from the language table as it reads on screen.
QString caption(int id) {
    return ResString(id).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
}
} // namespace

TEST_F(MainWindowTest, HelpNamesTheSettingsPagesAndTheInfoPaneItems) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        UseLanguage(language);
        // HTML reads a line end as a blank.
        const QString help = helpText(language).simplified();
        // Preferences works: the help walks through the dialog's pages and buttons.
        for (int id : {4059, 4060, 4087, 4058, 4001, 4057})
            EXPECT_TRUE(help.contains(QStringLiteral("<b>") + caption(id)))
                << caption(id).toStdString();
        // The pane is shown, hidden, docked and floated from these items.
        for (int id : {4119, 4120, 4155})
            EXPECT_TRUE(help.contains(caption(id))) << caption(id).toStdString();
    }
}

TEST_F(MainWindowTest, HelpsStationFileExampleIsWhatTheImportReads) {
    for (int language : {0, 1}) {
        SCOPED_TRACE(language);
        const QRegularExpression example(QStringLiteral("<pre id=\"station-example\">(.*?)</pre>"),
                                         QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = example.match(helpText(language));
        ASSERT_TRUE(match.hasMatch()) << "the help shows a station file";
        const QByteArray file = match.captured(1).trimmed().toUtf8() + '\n';
        // The example's dates are as Italian and British settings write them.
        for (const char* locale : {"it_IT", "en_GB"}) {
            SCOPED_TRACE(locale);
            DataSet data;
            const StationCsvResult result =
                ReadStationCsv(file, FileTextLocale(QLocale(QLatin1String(locale))), data);
            ASSERT_EQ(result.refusal, StationCsvRefusal::None) << result.line;
            EXPECT_EQ(data.NumSamples, 3);
            EXPECT_EQ(data.StartDate, NaiveDateTime(2026, 12, 10, 9, 15, 20));
            EXPECT_FLOAT_EQ(data.DataX[2], 0.13f);
            EXPECT_DOUBLE_EQ(data.DataRes[3], static_cast<double>(0.34f));
            // -100: the first record has no auxiliary value.
            EXPECT_FLOAT_EQ(data.CsvAuxMin, 2.5f);
            EXPECT_FLOAT_EQ(data.CsvAuxMean, 2.6f);
            EXPECT_FLOAT_EQ(data.CsvRfMax, 15.1f);
        }
    }
}
