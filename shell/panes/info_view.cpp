#include "shell/panes/info_view.h"

#include "core/language.h"
#include "platform/bgr_color.h"
#include "text/date_math.h"
#include "text/display_texts.h"
#include "text/format_pattern.h"

namespace {
const QString NoValue = QStringLiteral("---");

QString idText(const QString& id) {
    const QString trimmed = id.trimmed();
    return trimmed.isEmpty() ? ResString(3021) : trimmed;
}

QString fieldText(double value, const QLocale& locale) {
    return FormatPattern(value, u"#0.00", locale) + QStringLiteral(" µT");
}
QString fieldText(float value, const QLocale& locale) {
    return FormatPattern(value, u"#0.00", locale) + QStringLiteral(" µT");
}

QString stepText(qint64 step, const QString& unit) {
    return QString::number(step) + u' ' + StepUnitName(unit);
}

QString dateText(const QDateTime& when, const QLocale& locale) {
    return when.isValid() ? GeneralDateText(when, locale) : NoValue;
}

void clearBlock(InfoView& view) {
    view.Step = view.Source = view.Count = view.Start = view.End = NoValue;
    view.Min = view.Max = view.Mean = NoValue;
}
} // namespace

QString StepUnitName(const QString& letter) {
    if (letter == u"s")
        return ResString(3013);
    if (letter == u"n")
        return ResString(3012);
    if (letter == u"h")
        return ResString(3014);
    if (letter == u"d")
        return ResString(3015);
    return QString();
}

InfoStatus StatusView(int monitorState, bool connected) {
    InfoStatus status;
    switch (monitorState) {
    case 1:
        status.MonitorText = ResString(3010);
        status.MonitorBack = BgrColor(0xC0C0FF);
        break;
    case 0:
        status.MonitorText = ResString(3011);
        status.MonitorBack = BgrColor(0xC0FFC0);
        break;
    default:
        status.MonitorText = ResString(5);
        status.MonitorBack = BgrColor(0xE0E0E0);
        break;
    }
    status.CommText = ResString(connected ? 3022 : 3023);
    status.CommColour = BgrColor(connected ? 0xC000 : 0xC0);
    return status;
}

InfoView DataInfoView(const DataSet& data, int monitorState, bool connected,
                      const QLocale& locale) {
    InfoView view;
    view.ShortId = idText(data.IDShort);
    view.LongId = idText(data.IDLong);
    clearBlock(view);
    view.Median = NoValue;
    view.DataPresent = data.DataPresent;
    view.Saved = data.DataPresent && data.DataSaved;
    if (data.DataPresent) {
        view.Step = stepText(static_cast<qint64>(data.SampleStep) * data.IntervalMultiplier,
                             data.SampleStepUnit);
        view.Source = data.DataSourceName;
        view.Count = QString::number(data.NumSamples);
        view.Start = dateText(data.StartDate, locale);
        view.End = dateText(data.DataEndDate, locale);
        if (data.StatisticsPresent) {
            view.Min = fieldText(data.ResMin, locale);
            view.Max = fieldText(data.ResMax, locale);
            view.Mean = fieldText(data.ResMean, locale);
        }
        if (data.MedianPresent)
            view.Median = fieldText(data.MedianValue, locale);
    }
    view.Status = StatusView(monitorState, connected);
    return view;
}

InfoView LiveInfoView(const LiveInfo& live, int monitorState, bool connected,
                      const QLocale& locale) {
    InfoView view;
    view.ShortId = idText(live.IdShort);
    view.LongId = idText(live.IdLong);
    clearBlock(view);
    if (live.Active) {
        view.Step = stepText(live.Step, live.StepUnit);
        view.Source = live.SourceName;
        view.Count = QString::number(live.Count);
        view.Start = dateText(live.Start, locale);
        if (live.Count > 0) {
            const qint64 units = static_cast<qint64>(live.Count - 1) * live.Step;
            view.End = dateText(DateAdd(live.StepUnit, units, live.Start), locale);
            view.Min = fieldText(live.Min, locale);
            view.Max = fieldText(live.Max, locale);
            view.Mean = fieldText(live.Mean, locale);
        }
    }
    view.Status = StatusView(monitorState, connected);
    return view;
}

InfoWidestTexts WidestInfoTexts(const QLocale& locale) {
    InfoWidestTexts texts;
    // An identification text of full length in capitals; the long one wraps at its blanks,
    // so no word of it is wider than that.
    texts.Data << QString(IdShortLength, u'N') << ResString(3021) << NoValue;
    texts.Data << QString::number(99999);
    // Every data source the loaders name.
    for (const char* source : {"Upload", "File", "File Centralina", "Tressil", "Real Time"})
        texts.Data << QString::fromLatin1(source);
    // Two-digit days, months and hours, in every month's name where the locale writes one.
    for (int month = 1; month <= 12; ++month)
        texts.Data << dateText(NaiveDateTime(2028, month, 28, 23, 58, 58), locale);
    for (const char* unit : {"s", "n", "h", "d"})
        texts.Data << stepText(9999, QString::fromLatin1(unit));
    texts.Data << fieldText(8888.88, locale);
    for (int id : {3010, 3011, 5})
        texts.Status << ResString(id);
    for (int id : {3022, 3023})
        texts.Status << ResString(id);
    return texts;
}
