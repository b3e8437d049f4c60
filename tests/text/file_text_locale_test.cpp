#include "text/file_text_locale.h"

#include "core/error_report.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

namespace {
QByteArray twoDecimals(float value, char decimal = '.') {
    QByteArray out;
    AppendTwoDecimals(out, value, decimal);
    return out;
}
} // namespace

TEST(TwoDecimals, RoundsOnSevenDigitsHalfAwayFromZero) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1.23f, "1.23"},     {0.0f, "0.00"},
        {-0.0f, "0.00"},     {0.125f, "0.13"},
        {2.675f, "2.68"},    {-0.125f, "-0.13"},
        {-1.0f, "-1.00"},    {0.004f, "0.00"},
        {-0.004f, "0.00"},   {0.005f, "0.01"},
        {200.0f, "200.00"},  {0.5f, "0.50"},
        {99.995f, "100.00"}, {1234567.0f, "1234567.00"},
        {0.01f, "0.01"},     {1.0e20f, "100000000000000000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(twoDecimals(c.value), QByteArray(c.text)) << c.value;
    EXPECT_EQ(twoDecimals(1.5f, ','), QByteArray("1,50"));
}

TEST(TwoDecimals, ShortWayAgreesWithTheSignificantDigits) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> wide(-2000.0f, 2000.0f);
    std::uniform_int_distribution<int> cents(-150000, 150000);
    for (int i = 0; i < 200000; ++i) {
        // Arbitrary values, values on a hundredth, and values on a half hundredth.
        const float value = i % 3 == 0   ? wide(random)
                            : i % 3 == 1 ? float(cents(random)) / 100.0f
                                         : (float(cents(random)) + 0.5f) / 100.0f;
        char fast[TwoDecimalsMaxLength], slow[TwoDecimalsMaxLength];
        const std::string a(fast, WriteTwoDecimals(fast, value, '.'));
        const std::string b(slow, WriteTwoDecimalsBySignificantDigits(slow, value, '.'));
        ASSERT_EQ(a, b) << value;
    }
}

TEST(Val, ReadsTheLeadingNumberAndNeverFails) {
    const struct {
        const char16_t* text;
        bool comma;
        double value;
    } cases[] = {
        {u"5s", false, 5}, {u"  10n", false, 10},    {u"2.5s", false, 2.5}, {u"-5s", false, -5},
        {u"s", false, 0},  {u"", false, 0},          {u".5", false, 0.5},   {u"1e3x", false, 1000},
        {u"5d", false, 5}, {u"2D2", false, 200},     {u"1,5", false, 1},    {u"1,5", true, 1.5},
        {u"-", false, 0},  {u" 4.56 ", false, 4.56}, {u"1e-400", false, 0}, {u"\t7", false, 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QStringView(c.text), c.comma), c.value)
            << QString::fromUtf16(c.text).toStdString();
    EXPECT_THROW(Val(u"1e400"), TrappedError);
}

TEST(FileDates, GeneralDateTextLeavesOutMidnightAndTheZeroDate) {
    const FileTextLocale text(QLocale(QStringLiteral("en_GB")));
    EXPECT_EQ(text.DateTimeText(NaiveDateTime(2026, 12, 9, 7, 44, 47)), u"09/12/2026 07:44:47");
    EXPECT_EQ(text.DateTimeText(NaiveDateTime(2026, 12, 9)), u"09/12/2026");
    EXPECT_EQ(text.DateTimeText(NaiveDateTime(1899, 12, 30)), u"00:00:00");
    EXPECT_EQ(text.DateTimeText(NaiveDateTime(1899, 12, 30, 13, 5, 0)), u"13:05:00");
}

TEST(FileDates, YearsHaveFourDigitsAndTimesNoZone) {
    const QDateTime when = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    const struct {
        const char* locale;
        const char16_t* text;
    } cases[] = {
        {"it_IT", u"09/12/2026 07:44:47"},
        {"en_US", u"12/9/2026 7:44:47 AM"},
        {"de_DE", u"09.12.2026 07:44:47"},
        {"C", u"9 Dec 2026 07:44:47"},
    };
    for (const auto& c : cases) {
        const FileTextLocale text{QLocale(QLatin1String(c.locale))};
        EXPECT_EQ(text.DateTimeText(when), QString::fromUtf16(c.text)) << c.locale;
        QDateTime back;
        ASSERT_TRUE(text.ParseDateTime(text.DateTimeText(when), &back)) << c.locale;
        EXPECT_EQ(back, when) << c.locale;
    }
}

TEST(FileDates, ReadsDateAloneTimeAloneAndRefusesOtherText) {
    const FileTextLocale text(QLocale(QStringLiteral("en_GB")));
    QDateTime when;
    ASSERT_TRUE(text.ParseDateTime(u" 09/12/2026 ", &when));
    EXPECT_EQ(when, NaiveDateTime(2026, 12, 9));
    ASSERT_TRUE(text.ParseDateTime(u"00:00:00", &when));
    EXPECT_EQ(when, NaiveDateTime(1899, 12, 30));
    for (const char16_t* bad : {u"", u"31/02/2026 07:00:00", u"09/12/2026 25:00:00", u"yesterday",
                                u"09/12/2026 07:44:47 x"})
        EXPECT_FALSE(text.ParseDateTime(QStringView(bad), &when))
            << QString::fromUtf16(bad).toStdString();
}

TEST(FileDates, NumbersUseCommaOnlyWhereTheLocaleDoes) {
    EXPECT_EQ(FileTextLocale(QLocale(QStringLiteral("it_IT"))).DecimalSeparator(), ',');
    EXPECT_EQ(FileTextLocale(QLocale(QStringLiteral("en_GB"))).DecimalSeparator(), '.');
    // A separator the reader cannot take falls back to ".".
    EXPECT_EQ(FileTextLocale(QLocale(QStringLiteral("ar_EG"))).DecimalSeparator(), '.');
}

TEST(FileTextDecoding, Utf8ElseWindows1252) {
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF"
                             "caf\xC3\xA8"),
              u"caf\u00E8");
    EXPECT_EQ(DecodeFileText("caf\xE8 \x80 \x81 \xFF"), u"caf\u00E8 \u20AC \u0081 \u00FF");
}

// A file's date read under each of five locales: the locale's own texts, then only what
// no locale misreads (ISO dates, month names, a 24-hour time after the locale's own numeric
// date); a numeric date in another order of day and month is refused, never swapped.
TEST(FileDates, TextsWrittenUnderOneLocaleReadUnderAnother) {
    const char* const locales[] = {"C", "en_GB", "en_US", "it_IT", "de_DE"};
    const QDateTime none;
    const QDateTime dec10 = NaiveDateTime(2026, 12, 10, 21, 1, 58);
    const QDateTime oct12 = NaiveDateTime(2026, 10, 12, 21, 1, 58);
    const QDateTime mar4 = NaiveDateTime(2026, 3, 4, 21, 15, 0);
    const QDateTime apr3 = NaiveDateTime(2026, 4, 3, 21, 15, 0);
    const QDateTime iso = NaiveDateTime(2026, 3, 4, 9, 15, 0);
    const struct {
        const char16_t* text;
        QDateTime read[5]; // C, en_GB, en_US, it_IT, de_DE
    } cases[] = {
        // Each locale's own session-log text.
        {u"10 Dec 2026 21:01:58", {dec10, dec10, dec10, dec10, dec10}},
        {u"10/12/2026 21:01:58", {none, dec10, oct12, dec10, none}},
        {u"12/10/2026 9:01:58 PM", {none, none, dec10, none, none}},
        {u"10.12.2026 21:01:58", {none, none, none, none, dec10}},
        // Station files.
        {u"3/4/2026 21:15:00", {none, apr3, mar4, apr3, none}},
        {u"3/4/2026 21:15", {none, apr3, mar4, apr3, none}},
        {u"2026-03-04 09:15:00", {iso, iso, iso, iso, iso}},
        {u"2026-03-04 09:15", {iso, iso, iso, iso, iso}},
        {u"2026-03-04T09:15:00", {iso, iso, iso, iso, iso}},
        {u"2026-03-04",
         {NaiveDateTime(2026, 3, 4), NaiveDateTime(2026, 3, 4), NaiveDateTime(2026, 3, 4),
          NaiveDateTime(2026, 3, 4), NaiveDateTime(2026, 3, 4)}},
        // Month names in English everywhere, in the locale's language where it is its own.
        {u"December 10, 2026 9:01:58 PM", {dec10, dec10, dec10, dec10, dec10}},
        {u"Dec 10 2026 21:01:58", {dec10, dec10, dec10, dec10, dec10}},
        {u"10-DEC-2026 21:01:58", {dec10, dec10, dec10, dec10, dec10}},
        {u"10 dicembre 2026 21:01:58", {none, none, none, dec10, none}},
        {u"10. Dezember 2026 21:01:58", {none, none, none, none, dec10}},
        // Never read: a day that is no month, a wrong field, an unknown name, half texts.
        {u"31/12/2026 21:01:58",
         {none, NaiveDateTime(2026, 12, 31, 21, 1, 58), none,
          NaiveDateTime(2026, 12, 31, 21, 1, 58), none}},
        {u"13/31/2026 21:01:58", {none, none, none, none, none}},
        {u"2026-13-04 09:15:00", {none, none, none, none, none}},
        {u"2026-03-04 24:15:00", {none, none, none, none, none}},
        {u"10 Dec 2026 13:01:58 PM", {none, none, none, none, none}},
        {u"10 Decembre 2026 21:01:58", {none, none, none, none, none}},
        {u"Dec 2026 21:01:58", {none, none, none, none, none}},
        {u"10 Dec 26 21:01 x", {none, none, none, none, none}},
    };
    for (int l = 0; l < 5; ++l) {
        const FileTextLocale text{QLocale(QLatin1String(locales[l]))};
        for (const auto& c : cases) {
            const QString input = QString::fromUtf16(c.text);
            QDateTime when;
            const bool read = text.ParseDateTime(input, &when);
            EXPECT_EQ(read, c.read[l].isValid()) << locales[l] << " " << input.toStdString();
            if (read && c.read[l].isValid())
                EXPECT_EQ(when, c.read[l]) << locales[l] << " " << input.toStdString();
        }
    }
}
