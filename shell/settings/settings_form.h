#pragma once

#include "core/options.h"

#include <QLocale>
#include <QString>

#include <array>

// What the settings dialog's controls hold, apart from the window, and how it maps to and
// from the options record. The window only shows a SettingsForm and reads one back.

inline constexpr int ColorBoxCount = 8;
inline constexpr int ThresholdOptionCount = 4;
inline constexpr int CustomThresholdOption = 3;
inline constexpr int MemoryItemCount = 4;
inline constexpr int NoSelection = -1;

// The threshold the first three options stand for (the fourth is the custom value).
inline constexpr std::array<float, 3> PresetThresholds = {0.2f, 0.5f, 100.0f};
// Bounds of the custom threshold, in µT (those of the options record's own check).
inline constexpr float MaxThreshold = 200.0f;

// The memory-size list: captions and the sizes in bytes they stand for.
inline constexpr std::array<const char*, MemoryItemCount> MemoryCaptions = {"32Kbit", "64Kbit",
                                                                            "256Kbit", "512Kbit"};
inline constexpr std::array<qint32, MemoryItemCount> MemorySizes = {4096, 8192, 32768, 65536};

// The languages of the language list, by list index.
inline constexpr std::array<const char*, 2> LanguageCaptions = {"Italiano", "English"};

struct SettingsForm {
    int Language = NoSelection; // list index
    bool ConnectOnStart = false;
    // After a load: the data table, the time graph, the statistics graph.
    std::array<bool, 3> OnLoad{};
    bool WarnData = false;
    bool WarnOnDate = false;
    // The colour boxes: the four traces, histogram bars, time graph, statistics graph,
    // threshold line. Colours as the record keeps them (red in the low byte).
    std::array<quint32, ColorBoxCount> Colors{};
    int ThresholdOption = 0;
    QString ThresholdText; // the custom value, in the locale's decimal separator
    int MemoryItem = NoSelection;
};

// The options shown: a language or memory size outside the lists selects nothing.
SettingsForm SettingsFromOptions(const OptionsRecord& options, const QLocale& locale = QLocale());
// Writes the controls into the record at once. A list without a selection leaves its field
// as it was. True when the language changed.
bool ApplySettings(const SettingsForm& form, OptionsRecord& options,
                   const QLocale& locale = QLocale());

// The option a stored threshold selects: one of the presets when it is exactly that
// single-precision value, else the custom one.
int ThresholdOptionFor(float threshold);
// A threshold as the custom field shows it ("0,25" in an Italian locale).
QString ThresholdText(float threshold, const QLocale& locale = QLocale());
// The custom field's text as a threshold: empty gives 0, and the value is kept within
// 0..MaxThreshold.
float ReadThresholdText(const QString& text, const QLocale& locale = QLocale());
// The field's text once the user leaves it: a value above the bound becomes the bound.
QString BoundThresholdText(const QString& text, const QLocale& locale = QLocale());
// The field's key filter: digits pass, "." and "," become the locale's decimal separator
// (one at most), everything else is dropped. False when the text cannot be typed.
bool FilterThresholdText(QString& text, const QLocale& locale = QLocale());

// The list item of a memory size in bytes; NoSelection for any other size.
int MemoryItemFor(qint32 bytes);
// The record's field behind colour box k (0..7).
quint32& ColorField(OptionsRecord& options, int box);
quint32 ColorField(const OptionsRecord& options, int box);
