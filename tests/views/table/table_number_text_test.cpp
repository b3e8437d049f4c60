#include "tests/views/table/table_fixture.h"
#include "text/display_texts.h"
#include "text/table_time_text.h"
#include "views/table/table_number_text.h"

#include <QLocale>
#include <QTime>

#include "tests/support/default_locale.h"
#include "text/date_math.h"
#include "text/format_pattern.h"

#include <gtest/gtest.h>

namespace {
template <class T> QString quick(T value, const char* point = ".") {
    QByteArray out;
    AppendFixed2(out, value, point);
    return QString::fromUtf8(out);
}
} // namespace

TEST(TableNumbers, TwoDecimalsRoundTheDecimalTextHalvesAwayFromZero) {
    const DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0, "0.00"},        {0.004, "0.00"},
                          {0.005, "0.01"},    {0.015, "0.02"},
                          {0.125, "0.13"},    {0.375, "0.38"},
                          {2.675, "2.68"},    {1234.5, "1234.50"},
                          {99.995, "100.00"}, {1e10 + 0.5, "10000000000.50"}};
    for (const Case& c : cases) {
        EXPECT_EQ(quick(c.value), QLatin1String(c.text)) << c.value;
        EXPECT_EQ(quick(static_cast<float>(c.value)),
                  FormatPattern(static_cast<float>(c.value), u"#0.00"))
            << c.value;
    }
    EXPECT_EQ(quick(0.3f), QStringLiteral("0.30"));
    EXPECT_EQ(quick(123.45f), QStringLiteral("123.45"));
    EXPECT_EQ(quick(1234.5, ","), QStringLiteral("1234,50"));
}

TEST(TableTimes, FieldPatternsGiveQtsOwnTexts) {
    const QLocale locales[] = {QLocale(QLocale::C),
                               QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::Italian, QLocale::Italy)};
    const char* patterns[] = {"HH:mm:ss", "h:mm:ss AP", "hh.mm.ss ap", "H'h'mm''ss", "h:m:s a"};
    for (const QLocale& locale : locales) {
        for (const char* pattern : patterns) {
            RowTimeText times(QStringLiteral("dd/MM/yyyy"), QLatin1String(pattern), locale);
            for (int second = 0; second < 86400; second += 7) {
                TextBuffer out;
                times.AppendTime(out, second);
                const QString expected =
                    locale.toString(QTime(0, 0).addSecs(second), QLatin1String(pattern));
                ASSERT_EQ(QString::fromUtf8(out.Text()), expected) << pattern << " " << second;
            }
        }
    }
}

namespace {
// A row's time text as the table lays it out from its run's layout.
QByteArray runRowText(const RowTimeText::RunRows& run, qint64 when) {
    const qint64 second = when - run.dayStart;
    QByteArray text(run.text, run.length);
    auto two = [](qint64 value) { return QByteArray::number(value).rightJustified(2, '0'); };
    if (run.hourAt >= 0)
        text.replace(run.hourAt, 2, run.hours + 2 * (second / 3600), 2);
    if (run.minuteAt >= 0)
        text.replace(run.minuteAt, 2, two(second / 60 % 60));
    if (run.secondAt >= 0)
        text.replace(run.secondAt, 2, two(second % 60));
    return text;
}
} // namespace

// Each run's layout gives Qt's text of every second from the one it was asked for to the
// run's end, over midnights, a month's end and a long month name, on 24- and 12-hour clocks;
// a day without a layout is one whose text is too long for it.
TEST(TableTimes, RunsOfRowsAreLaidOutAsTheirTimesTexts) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    struct Case {
        QLocale locale;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {QLocale::c(), "d MMM yyyy", "HH:mm:ss"}, {italian, "dd/MM/yyyy", "HH.mm.ss"},
        {italian, "d MMMM yyyy", "H:mm:ss"},      {italian, "dddd d MMMM yyyy", "HH:mm:ss"},
        {american, "M/d/yyyy", "h:mm:ss AP"},     {american, "M/d/yy", "hh:mm:ss ap"},
        {american, "yyyy-MM-dd", "mm:ss"}};
    // Two days over a month's end, from the evening before (naive seconds since 1970).
    const qint64 from = NaiveDateTime(2026, 9, 29, 21, 0, 0).toSecsSinceEpoch();
    for (const Case& c : cases) {
        RowTimeText times(QLatin1String(c.date), QLatin1String(c.time), c.locale);
        auto qtText = [&](qint64 when) {
            const QDateTime moment = QDateTime::fromSecsSinceEpoch(when, Qt::UTC);
            return (c.locale.toString(moment.date(), QLatin1String(c.date)) + u' ' +
                    c.locale.toString(moment.time(), QLatin1String(c.time)))
                .toUtf8();
        };
        int laidOut = 0, tooLong = 0;
        for (qint64 when = from; when < from + 2 * 86400; when += 1201) {
            const RowTimeText::RunRows* asked = times.RowsAt(when);
            if (asked == nullptr) {
                EXPECT_GT(qtText(when).size() + 0, RowTimeText::RunRows::Room) << c.date;
                ++tooLong;
                continue;
            }
            ++laidOut;
            const RowTimeText::RunRows run = *asked;
            ASSERT_GT(run.end, when);
            ASSERT_LE(run.end - run.dayStart, 86400);
            for (const qint64 second : {when, when + 1, (when + run.end) / 2, run.end - 1})
                if (second < run.end)
                    ASSERT_EQ(runRowText(run, second), qtText(second))
                        << c.date << " " << c.time << " " << second;
        }
        EXPECT_GT(laidOut, 0) << c.date;
        EXPECT_EQ(tooLong > 0, c.date == QLatin1String("dddd d MMMM yyyy")) << c.date;
    }
}

TEST(TableTimes, PatternsWithOtherFieldsAreLeftToQt) {
    RowTimeText times(QStringLiteral("d/M/yy"), QStringLiteral("HH:mm:ss.zzz"), QLocale::c());
    TextBuffer out;
    times.AppendDateAndTime(out, 86400 * 3 + 3661);
    EXPECT_EQ(out.Text(), QByteArray("4/1/70 01:01:01.000"));
}

TEST(TableTimes, DatesBefore1970AndAcrossDays) {
    RowTimeText times(QStringLiteral("yyyy-MM-dd"), QStringLiteral("HH:mm:ss"), QLocale::c());
    TextBuffer out(1); // grows as the texts come
    times.AppendGeneral(out, -1);
    out.Append('|');
    times.AppendGeneral(out, -86400);
    out.Append('|');
    times.AppendDateAndTime(out, 0);
    EXPECT_EQ(out.Text(), QByteArray("1969-12-31 23:59:59|1969-12-31|1970-01-01 00:00:00"));
}
