#pragma once

#include "text/date_pattern.h"

#include <QDateTime>
#include <QStringView>

// The date-time texts that no locale misreads, for files written under another locale than
// the reader's, once the reader's own texts have failed:
// - ISO dates, year first ("2026-03-04"), alone or with a 24-hour time "HH:mm" or
//   "HH:mm:ss" after a blank or a "T";
// - dates with the month as a name in English or in the locale's language, short or long
//   ("10 Dec 2026", "December 10, 2026", "10. Dezember 2026", "2026 dic 10"), the year in
//   four digits, alone or with a 24-hour time or a 12-hour one with its AM/PM text;
// - the locale's own numeric date with a 24-hour time ("3/4/2026 21:15:00" under a locale
//   that writes "3/4/2026 9:15:00 PM").
// A numeric date is read in the locale's order of day and month only, never the other way
// round. With timeAlone a 24-hour time alone is taken too, on the zero date 30 December
// 1899. A text that is none of these gives an invalid date-time.
QDateTime ReadUnmistakableDateTime(QStringView text, const GeneralDateFormat& own,
                                   bool timeAlone = false);
