#pragma once

#include <QDateTime>
#include <QString>

// Date-times are naive local times held as Qt::UTC, so arithmetic never shifts at a
// daylight-saving change. Interval letters: "s" seconds, "n" minutes, "h" hours, "d" days.

// Adds count units of the letter's interval; an unknown letter raises no error here but
// returns an invalid date-time.
QDateTime DateAdd(const QString& letter, qint64 count, const QDateTime& from);
// Whole units of the letter's interval from a to b (b later gives a positive count),
// counted as the boundaries crossed, the way calendar date differences are.
qint64 DateDiff(const QString& letter, const QDateTime& a, const QDateTime& b);
// Seconds in one unit of the letter's interval; 0 for an unknown letter.
qint64 IntervalSeconds(const QString& letter);
// A naive date-time from its parts.
QDateTime NaiveDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
