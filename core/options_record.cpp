#include "core/options.h"

#include "platform/paths.h"

#include <cmath>

OptionsState& OptionsStore() {
    static OptionsState state;
    return state;
}

namespace {
QString blankText() {
    return QString(OptionsTextLength, u' ');
}
} // namespace

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
    // Slot 0 is never used but keeps what it holds, as a fixed text.
    r.MRU[0] = r.MRU[0].leftJustified(OptionsTextLength, u' ');
    for (int i = 1; i <= 4; ++i)
        r.MRU[i] = blankText();
    r.LastFolder = ProgramFolder().leftJustified(OptionsTextLength, u' ');
    r.InfoPaneDocked = true;
    r.InfoPaneVisible = true;
    r.ShowWarningsOnLoad = true;
    r.OpenGraphTeOnLoad = true;
    r.OpenGraphStOnLoad = false;
    r.OpenSourceOnLoad = true;
    r.WarnOnDate = false;
    r.Threshold = 0.2f;
    r.MemorySize = 65536;
    r.DefaultsMade = true;
}

bool DefaultOutOfRangeOptions(OptionsRecord& r) {
    OptionsRecord defaults;
    SetDefaultOptions(defaults);
    bool changed = false;
    auto mend = [&changed](auto& field, const auto& fallback, bool inRange) {
        if (!inRange) {
            field = fallback;
            changed = true;
        }
    };
    mend(r.CommPort, defaults.CommPort, r.CommPort >= 1 && r.CommPort <= 10);
    mend(r.Language, defaults.Language, r.Language <= 1);
    mend(r.WindowState, defaults.WindowState, r.WindowState >= 0 && r.WindowState <= 2);
    mend(r.MemorySize, defaults.MemorySize,
         r.MemorySize == 4096 || r.MemorySize == 8192 || r.MemorySize == 32768 ||
             r.MemorySize == 65536);
    mend(r.Threshold, defaults.Threshold,
         std::isfinite(r.Threshold) && r.Threshold >= 0.0f && r.Threshold <= 200.0f);
    return changed;
}
