#include "text/date_text.h"

#include "text/date_pattern.h"

QDateTime ReadGeneralDateText(const QString& text, const QLocale& locale) {
    return GeneralFormatOf(locale).Read(text);
}
