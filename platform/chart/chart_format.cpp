#include "platform/chart/chart_format.h"

#include "platform/chart/chart_axis.h"

#include <algorithm>
#include <cmath>

QString FormatChartValue(double value, const QString& pattern, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (!std::isfinite(value))
        return QString();
    if (pattern.isEmpty())
        return plain.toString(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = pattern.indexOf(u'.');
    int required = 0;
    int optional = 0;
    if (point >= 0) {
        for (qsizetype i = point + 1; i < pattern.size(); ++i) {
            if (pattern[i] == u'0')
                ++required;
            else if (pattern[i] == u'#')
                ++optional;
        }
    }
    const int decimals = required + optional;
    QString text = plain.toString(value, 'f', decimals);
    if (optional > 0) {
        const QChar decimalPoint = plain.decimalPoint().at(0);
        const qsizetype pointAt = text.indexOf(decimalPoint);
        if (pointAt >= 0) {
            qsizetype keep = text.size();
            while (keep > pointAt + 1 + required && text[keep - 1] == u'0')
                --keep;
            if (keep == pointAt + 1)
                --keep; // no decimals left: drop the point too
            text.truncate(keep);
        }
    }
    // A value that rounds to zero shows without its sign.
    if (text.startsWith(u'-')) {
        bool allZero = true;
        for (qsizetype i = 1; i < text.size(); ++i)
            if (text[i].isDigit() && text[i] != u'0')
                allZero = false;
        if (allZero)
            text.remove(0, 1);
    }
    return text;
}

QString AxisLabelText(const ChartAxis& axis, double value, const QLocale& locale) {
    const QString text = FormatChartValue(value, axis.ValueFormat, locale);
    if (!axis.Logarithmic || value <= 0)
        return text;
    bool ok = false;
    const double shown = locale.toDouble(text, &ok);
    if (ok && std::abs(shown - value) <= value * 0.01)
        return text;
    return FormatChartValue(value, QString(), locale);
}

std::vector<QString> AxisLabelTexts(const ChartAxis& axis, const std::vector<double>& ticks,
                                    const QLocale& locale) {
    std::vector<QString> texts;
    texts.reserve(ticks.size());
    for (double value : ticks)
        texts.push_back(AxisLabelText(axis, value, locale));
    if (axis.Logarithmic)
        return texts;
    const QString point = locale.decimalPoint();
    auto decimalsOf = [&point](const QString& text) {
        const qsizetype at = text.indexOf(point);
        return at < 0 ? qsizetype(0) : text.size() - at - point.size();
    };
    qsizetype most = 0;
    for (const QString& text : texts)
        most = std::max(most, decimalsOf(text));
    for (QString& text : texts) {
        if (text.isEmpty())
            continue;
        const qsizetype has = decimalsOf(text);
        if (has == most)
            continue;
        if (has == 0)
            text += point;
        text += QString(most - has, u'0');
    }
    return texts;
}
