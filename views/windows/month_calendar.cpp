#include "views/windows/month_calendar.h"

#include <QCalendarWidget>

QCalendarWidget* NewMonthCalendar(QWidget* parent) {
    auto* calendar = new QCalendarWidget(parent);
    calendar->setDateEditEnabled(false);
    return calendar;
}
