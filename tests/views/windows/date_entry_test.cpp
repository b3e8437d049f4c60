#include "tests/support/calendar_typing.h"
#include "tests/support/default_locale.h"
#include "tests/support/fake_clock.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"
#include "text/typed_date.h"
#include "views/windows/date_entry.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
// The control in Italian dates, on a clock standing at 10 December 2026.
class DateEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        clock.now = NaiveDateTime(2026, 12, 10, 9, 15, 20);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    LanguageScope language;
    FakeClock clock;
};

TEST_F(DateEntryTest, SettingTheValueShowsTheDateWrittenOut) {
    const struct {
        const char* text;
        const char* shown;
        const char* value;
    } cases[] = {
        {"5 de marzo de 2013", "5 marzo 2013", "05/03/2013"},
        {"5 OF Marzo 2013", "5 marzo 2013", "05/03/2013"},
        {"15/3/14", "15 marzo 2014", "15/03/2014"},
        {"31/02/2014", "", ""},
        {"domani", "", ""},
    };
    for (const auto& c : cases) {
        IntEliDate1 entry;
        entry.CmdMuestra->click(); // the calendar shows; a value hides it
        entry.setValue(QString::fromUtf8(c.text));
        EXPECT_EQ(entry.txtlib->text(), QString::fromUtf8(c.shown)) << c.text;
        EXPECT_EQ(entry.value(), QString::fromUtf8(c.value)) << c.text;
        EXPECT_TRUE(entry.cal->isHidden()) << c.text;
    }
}

// Enter reads the box and keeps what was typed; leaving a box that holds no date empties
// it and the value.
TEST_F(DateEntryTest, TypedTextIsReadOnEnterAndOnLeaving) {
    IntEliDate1 entry;
    entry.txtlib->setText(QStringLiteral("5 de marzo de 2013"));
    QTest::keyClick(entry.txtlib, Qt::Key_Return);
    EXPECT_EQ(entry.value(), QStringLiteral("05/03/2013"));
    EXPECT_EQ(entry.txtlib->text(), QStringLiteral("5 de marzo de 2013"));

    entry.txtlib->setText(QStringLiteral("32 marzo 2013"));
    emit entry.txtlib->editingFinished();
    EXPECT_EQ(entry.value(), QString());
    EXPECT_EQ(entry.txtlib->text(), QString());
}

TEST_F(DateEntryTest, TheButtonShowsAndHidesTheCalendar) {
    IntEliDate1 entry;
    EXPECT_TRUE(entry.cal->isHidden());
    entry.CmdMuestra->click();
    EXPECT_FALSE(entry.cal->isHidden());
    EXPECT_EQ(entry.cal->selectedDate(), QDate(2026, 12, 10)) << "an empty value opens at today";
    entry.CmdMuestra->click();
    EXPECT_TRUE(entry.cal->isHidden());

    entry.setValue(QStringLiteral("05/03/2013"));
    entry.CmdMuestra->click();
    EXPECT_EQ(entry.cal->selectedDate(), QDate(2013, 3, 5));
    emit entry.cal->clicked(QDate(2014, 7, 1));
    EXPECT_TRUE(entry.cal->isHidden());
    EXPECT_EQ(entry.txtlib->text(), QStringLiteral("1 luglio 2014"));
    EXPECT_EQ(entry.value(), QStringLiteral("01/07/2014"));
    EXPECT_EQ(entry.CmdMuestra->accessibleName(), ResString(3830));
}

// A date typed on the open calendar is the typed date or none at all: the value stays the
// calendar's day, never a date misread from the typed text.
TEST_F(DateEntryTest, ADateTypedOnTheCalendarIsReadRightOrNotAtAll) {
    const QDate shown(2013, 3, 5);
    const QDate typed = CalendarTypedDate;
    for (const auto& c : CalendarTypings) {
        const DefaultLocale locale{QLocale(QLatin1String(c.locale))};
        IntEliDate1 entry;
        entry.show();
        entry.setValue(ShortDateText(shown));
        entry.CmdMuestra->click();
        ASSERT_FALSE(entry.cal->isHidden());
        TypeOnCalendar(entry.cal, QLatin1String(c.typed));
        const QDate picked = entry.cal->selectedDate();
        EXPECT_TRUE(picked == shown || picked == typed)
            << c.locale << " " << c.typed << ": " << picked.toString(Qt::ISODate).toStdString();
        const QString value = entry.value();
        EXPECT_TRUE(value == ShortDateText(shown) || value == ShortDateText(typed))
            << c.locale << " " << c.typed << ": " << value.toStdString();
        EXPECT_EQ(entry.txtlib->text(), LongDateText(ReadTypedDate(value))) << c.locale;
    }
}

TEST_F(DateEntryTest, InicializaClearsTheBoxAndPresetsToday) {
    IntEliDate1 entry;
    entry.setValue(QStringLiteral("05/03/2013"));
    entry.cal->setSelectedDate(QDate(2013, 3, 5));
    entry.inicializa();
    EXPECT_EQ(entry.txtlib->text(), QString());
    EXPECT_EQ(entry.cal->selectedDate(), QDate(2026, 12, 10));
}
} // namespace
