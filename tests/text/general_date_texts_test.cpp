#include "data/dataset.h"
#include "tests/support/default_locale.h"
#include "text/date_math.h"
#include "text/date_text.h"
#include "text/general_date_texts.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

namespace {
// Locales of every kind of long time: 24 and 12 hours, the day period before or after the
// time, one-digit hours, literals in the pattern, digits other than 0-9.
const char* const LocaleNames[] = {
    "C",     "it_IT", "en_US", "en_GB", "de_DE", "fr_FR", "fr_CA", "es_ES", "pt_BR",
    "ru_RU", "pl_PL", "fi_FI", "ja_JP", "zh_CN", "zh_TW", "ko_KR", "ar_EG", "ar_SA",
    "fa_IR", "he_IL", "hi_IN", "bn_BD", "mr_IN", "th_TH", "my_MM", "en_AU", "bg_BG",
    "sq_AL", "ta_IN", "ne_NP", "vi_VN", "el_GR", "hu_HU", "da_DK", "sv_SE", "ps_AF",
};

QString reference(QDate date, int second, const QLocale& locale) {
    return GeneralDateText(QDateTime(date, QTime(0, 0).addSecs(second), Qt::UTC), locale);
}
} // namespace

TEST(GeneralDateTexts, SameAsTheLocaleOverHoursDaysAndYears) {
    const QDate dates[] = {QDate(2026, 12, 9),  QDate(2026, 12, 31), QDate(2027, 1, 1),
                           QDate(2024, 2, 29),  QDate(2000, 3, 1),   QDate(1999, 12, 31),
                           QDate(1899, 12, 30), QDate(1000, 1, 1),   QDate(9999, 12, 31),
                           QDate(2026, 3, 29), // a daylight-saving change here: naive times
                           QDate(2026, 10, 25)};
    const int seconds[] = {0,     1,     59,    60,    3599,  3600,  2 * 3600 + 30 * 60,
                           43199, 43200, 43201, 46800, 46861, 82800, 86399};
    for (const char* name : LocaleNames) {
        const QLocale locale{QLatin1String(name)};
        GeneralDateTexts texts(locale);
        for (const QDate date : dates)
            for (const int second : seconds)
                ASSERT_EQ(texts.Text(date, second), reference(date, second, locale))
                    << name << " " << date.toString(Qt::ISODate).toStdString() << " " << second;
        // Every second of one day, the date changing in between.
        for (int second = 0; second < 86400; second += 7) {
            const QDate date = QDate(2026, 12, 9).addDays(second % 3);
            ASSERT_EQ(texts.Text(date, second), reference(date, second, locale))
                << name << " " << second;
        }
    }
}

TEST(GeneralDateTexts, PatternsOfEveryFieldComeOutAsTheLocaleMakesThem) {
    // Patterns beyond the locales' own: quoted literals and doubled quotes, one and two
    // digits, runs longer than a field, day periods in each case and place, milliseconds.
    const char* const patterns[] = {
        "h:mm:ss AP", "hh 'h' mm 'min' ss", "H.m.s",      "a h:m:s", "'o''clock' h", "HH:mm:ss.zzz",
        "h:mm:ss Ap", "hhh:mmm:sss",        "HH:mm:ss z", "h:mm aP", "H 'a' m",      "''h''",
        "hh:mm:ss A"};
    const QDate date(2026, 12, 9);
    for (const char* name : {"C", "it_IT", "ar_EG", "ko_KR"}) {
        const QLocale locale{QLatin1String(name)};
        for (const char* pattern : patterns) {
            const QString p = QLatin1String(pattern);
            GeneralDateTexts texts(locale, QStringLiteral("dd/MM/yyyy"), p);
            for (int second = 0; second < 86400; second += 61) {
                QString expected = locale.toString(date, QStringLiteral("dd/MM/yyyy"));
                if (second != 0)
                    expected += u' ' + locale.toString(QTime(0, 0).addSecs(second), p);
                ASSERT_EQ(texts.Text(date, second), expected) << name << " " << pattern;
            }
        }
    }
}

TEST(SampleTimeTexts, SameTextsAsEachSampleTimeThroughTheLocale) {
    struct Case {
        const char* unit;
        qint32 step;
        qint16 multiplier;
        qint32 count;
        QDateTime start;
    };
    const Case cases[] = {
        {"s", 5, 1, 40000, NaiveDateTime(2026, 12, 31, 23, 44, 47)}, // over the year's end
        {"s", 1, 1, 200, NaiveDateTime(2026, 12, 9, 23, 59, 0)},     // midnight itself
        {"n", 7, 3, 5000, NaiveDateTime(2024, 2, 28, 20, 0, 0)},     // over a leap day
        {"h", 5, 1, 3000, NaiveDateTime(2026, 3, 28, 0, 0, 0)},
        {"d", 1, 1, 800, NaiveDateTime(2026, 1, 1, 0, 0, 0)}, // every text a date alone
        {"d", 3, 2, 500, NaiveDateTime(9990, 6, 1, 12, 0, 1)},
        {"s", -5, 1, 100, NaiveDateTime(2026, 1, 1, 0, 0, 3)}, // times going back
        {"s", 5, 1, 10, QDateTime(QDate(2026, 1, 1), QTime(10, 0, 0, 500), Qt::UTC)},
        {"s", 5, 1, 10, QDateTime()},
        {"x", 5, 1, 10, NaiveDateTime(2026, 1, 1)},
        {"d", 2000000000, 2, 3, NaiveDateTime(2026, 1, 1)}, // past any calendar
        {"s", 5, 1, 0, NaiveDateTime(2026, 1, 1)},
    };
    for (const char* name : {"it_IT", "en_US", "ar_EG", "ko_KR", "C"}) {
        const DefaultLocale scope{QLocale(QLatin1String(name))};
        for (const Case& c : cases) {
            DataSet data;
            data.SampleStepUnit = QLatin1String(c.unit);
            data.SampleStep = c.step;
            data.IntervalMultiplier = c.multiplier;
            data.NumSamples = c.count;
            data.StartDate = c.start;
            QVector<QString> slow(qsizetype(c.count) + 1);
            for (qint32 i = 1; i <= c.count; ++i)
                slow[i] = SampleTimeTextByDateTime(data, i);
            const QVector<QString> fast = SampleTimeTexts(data);
            ASSERT_EQ(fast.size(), qsizetype(c.count) + 1);
            EXPECT_EQ(fast, slow) << name << " " << c.unit << " " << c.step << " " << c.count;
            if (c.count > 0) // one text alone, with no text before it
                EXPECT_EQ(SampleTimeText(data, c.count), slow.back()) << name << " " << c.unit;
        }
    }
}
