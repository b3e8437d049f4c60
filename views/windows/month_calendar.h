#pragma once

class QCalendarWidget;
class QWidget;

// A drop-down month calendar whose day is picked by pointing or with the arrow keys. The
// calendar's own type-in is off: it reads typed digits in a fixed order of its own, so a
// date typed in the locale's order became another date or none; dates are typed in the
// date boxes, which read them in the locale's way.
QCalendarWidget* NewMonthCalendar(QWidget* parent);
