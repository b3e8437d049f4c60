#pragma once

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDate>
#include <QTest>

// Types text on a shown calendar's day grid, as a user whose focus is there, then Enter.
inline void TypeOnCalendar(QCalendarWidget* calendar, const QString& text) {
    QWidget* grid = calendar->focusProxy();
    if (!grid)
        grid = calendar->findChild<QAbstractItemView*>();
    grid->setFocus();
    QTest::keyClicks(grid, text);
    QTest::keyClick(grid, Qt::Key_Return);
}

// The date the calendar tests type, and how a user of each locale types it: the locale's
// own short form, with a two-digit and a four-digit year where the form has both.
inline const QDate CalendarTypedDate(2027, 1, 21);
struct CalendarTyping {
    const char* locale;
    const char* typed;
};
constexpr CalendarTyping CalendarTypings[] = {
    {"it_IT", "21/01/2027"}, {"en_US", "1/21/27"}, {"en_US", "1/21/2027"}};
