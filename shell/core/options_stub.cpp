// Placeholder until the options file is written: defaults only.
#include "shell/core/options.h"

#include "data/dates/date_math.h"
#include "platform/paths.h"

#include <cmath>

OptionsState& OptionsStore() {
    static OptionsState state;
    return state;
}

void SetDefaultOptions(OptionsRecord& r) {
    r.CommPort = 1;
    r.Language = 0;
    r.ConnectOnStart = false;
    r.SeriesColor = {0xFF0000, 0xFF, 0xFFFF, 0xFF00FF};
    r.GraphColor5 = 0xFFFFFF;
    r.GraphColor4 = 0xFF;
    r.GraphColor6 = 0xFFFFFF;
    r.DrawingColor = 0;
    r.Spare2 = 0xFF;
    r.LowRangeColor = 0xC000;
    r.HighRangeColor = 0xFF;
    r.WindowState = 0;
    for (int i = 1; i <= 4; ++i)
        r.MRU[i] = QString(OptionsTextLength, u' ');
    r.LastFolder = ProgramFolder().leftJustified(OptionsTextLength, u' ', true);
    r.InfoPaneDocked = r.InfoPaneVisible = r.ShowWarningsOnLoad = true;
    r.OpenGraphTeOnLoad = true;
    r.OpenGraphStOnLoad = false;
    r.OpenSourceOnLoad = true;
    r.WarnOnDate = false;
    r.Threshold = 0.2f;
    r.MemorySize = 65536;
    r.DefaultsMade = true;
}

void ReadOptions() {
    SetDefaultOptions(Options());
    OptionsStore().WasRead = true;
}

void SaveOptions() {}

QByteArray OptionsToBytes(const OptionsRecord&) {
    return QByteArray(OptionsFileSize, '\0');
}
bool OptionsFromBytes(const QByteArray& bytes, OptionsRecord&) {
    return bytes.size() == OptionsFileSize;
}

qint32 SamplesThatFit(qint64 memoryBytes) {
    return static_cast<qint32>(std::nearbyint((memoryBytes - 96) / 7.0));
}

QDateTime CalculateMemoryFullDate(const QDateTime& start, qint32 step, const QString& unit) {
    const qint64 count = static_cast<qint64>(SamplesThatFit(Options().MemorySize)) * step;
    return DateAdd(unit, count, start);
}
