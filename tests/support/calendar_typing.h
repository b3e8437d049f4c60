#pragma once

#include <QAbstractItemView>
#include <QCalendarWidget>
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
