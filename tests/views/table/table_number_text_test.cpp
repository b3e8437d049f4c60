#include "tests/views/table/table_fixture.h"
#include "text/display_texts.h"
#include "text/table_time_text.h"
#include "views/table/table_number_text.h"

#include <QLocale>
#include <QTime>

#include "tests/support/default_locale.h"
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
