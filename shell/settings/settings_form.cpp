#include "shell/settings/settings_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
QLocale plain(const QLocale& locale) {
    QLocale result = locale;
    result.setNumberOptions(result.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    return result;
}

QChar decimalPoint(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}
} // namespace

int ThresholdOptionFor(float threshold) {
    for (int k = 0; k < static_cast<int>(PresetThresholds.size()); ++k)
        if (threshold == PresetThresholds[static_cast<size_t>(k)])
            return k;
    return CustomThresholdOption;
}

QString ThresholdText(float threshold, const QLocale& locale) {
    // The shortest text that reads back as the same single-precision value.
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, threshold, std::chars_format::fixed).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'.', decimalPoint(locale));
    return text;
}

float ReadThresholdText(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0f;
    bool ok = false;
    double value = plain(locale).toDouble(trimmed, &ok);
    // A text of its own kind the locale does not read ("," alone): nothing typed yet.
    if (!ok || !std::isfinite(value))
        value = 0.0;
    return static_cast<float>(std::clamp(value, 0.0, static_cast<double>(MaxThreshold)));
}

QString BoundThresholdText(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = plain(locale).toDouble(text.trimmed(), &ok);
    if (ok && value > MaxThreshold)
        return ThresholdText(MaxThreshold, locale);
    if (ok && value < 0.0)
        return ThresholdText(0.0f, locale);
    return text;
}

bool FilterThresholdText(QString& text, const QLocale& locale) {
    const QChar point = decimalPoint(locale);
    bool pointSeen = false;
    for (QChar& c : text) {
        if (c == u'.' || c == u',' || c == point) {
            if (pointSeen)
                return false;
            pointSeen = true;
            c = point;
        } else if (!c.isDigit() || c.unicode() > 0x7F) {
            return false;
        }
    }
    return true;
}

int MemoryItemFor(qint32 bytes) {
    for (int k = 0; k < MemoryItemCount; ++k)
        if (MemorySizes[static_cast<size_t>(k)] == bytes)
            return k;
    return NoSelection;
}

namespace {
// Box k's field, for a record that may or may not be const.
template <class Record> auto& colorFieldOf(Record& options, int box) {
    switch (box) {
    case 4:
        return options.GraphColor4;
    case 5:
        return options.GraphColor5;
    case 6:
        return options.GraphColor6;
    case 7:
        return options.ThresholdColor;
    default:
        return options.SeriesColor[static_cast<size_t>(std::clamp(box, 0, 3))];
    }
}
} // namespace

quint32& ColorField(OptionsRecord& options, int box) {
    return colorFieldOf(options, box);
}

quint32 ColorField(const OptionsRecord& options, int box) {
    return colorFieldOf(options, box);
}

SettingsForm SettingsFromOptions(const OptionsRecord& options, const QLocale& locale) {
    SettingsForm form;
    form.Language = options.Language < LanguageCaptions.size() ? options.Language : NoSelection;
    form.ConnectOnStart = options.ConnectOnStart;
    form.OnLoad = {options.OpenSourceOnLoad, options.OpenGraphTeOnLoad, options.OpenGraphStOnLoad};
    form.WarnData = options.ShowWarningsOnLoad;
    form.WarnOnDate = options.WarnOnDate;
    for (int k = 0; k < ColorBoxCount; ++k)
        form.Colors[static_cast<size_t>(k)] = ColorField(options, k);
    form.ThresholdOption = ThresholdOptionFor(options.Threshold);
    if (form.ThresholdOption == CustomThresholdOption)
        form.ThresholdText = ThresholdText(options.Threshold, locale);
    form.MemoryItem = MemoryItemFor(options.MemorySize);
    return form;
}

bool ApplySettings(const SettingsForm& form, OptionsRecord& options, const QLocale& locale) {
    bool languageChanged = false;
    if (form.Language >= 0 && form.Language < static_cast<int>(LanguageCaptions.size())) {
        languageChanged = form.Language != options.Language;
        options.Language = static_cast<quint8>(form.Language);
    }
    options.ConnectOnStart = form.ConnectOnStart;
    options.OpenSourceOnLoad = form.OnLoad[0];
    options.OpenGraphTeOnLoad = form.OnLoad[1];
    options.OpenGraphStOnLoad = form.OnLoad[2];
    options.ShowWarningsOnLoad = form.WarnData;
    options.WarnOnDate = form.WarnOnDate;
    for (int k = 0; k < ColorBoxCount; ++k)
        ColorField(options, k) = form.Colors[static_cast<size_t>(k)];
    if (form.ThresholdOption >= 0 && form.ThresholdOption < CustomThresholdOption)
        options.Threshold = PresetThresholds[static_cast<size_t>(form.ThresholdOption)];
    else if (form.ThresholdOption == CustomThresholdOption)
        options.Threshold = ReadThresholdText(form.ThresholdText, locale);
    if (form.MemoryItem >= 0 && form.MemoryItem < MemoryItemCount)
        options.MemorySize = MemorySizes[static_cast<size_t>(form.MemoryItem)];
    return languageChanged;
}
