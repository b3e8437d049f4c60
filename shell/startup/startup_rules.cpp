#include "shell/startup/startup_rules.h"

#include "core/language.h"
#include "core/options.h"
#include "data/files/unsaved_data.h"
#include "platform/clock.h"
#include "platform/program_version.h"

#include <QFileInfo>

QString VersionText(int major, int minor, int revision) {
    return QStringLiteral("KL720 Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString ProgramVersionText() {
    const ProgramVersion version = ProgramVersionNumbers();
    return VersionText(version.major, version.minor, version.revision);
}

QString HelpFileFor(int language) {
    return language != 0 ? QStringLiteral("Corvanel_en.hlp") : QStringLiteral("Corvanel_it.hlp");
}

Qt::WindowStates WindowStateFromOption(int stored) {
    switch (stored) {
    case 1:
        return Qt::WindowMinimized;
    case 2:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

qint16 OptionFromWindowState(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

void WaitForSplash(qint64 startMs, const Clock& clock, const std::function<void()>& doEvents) {
    do {
        doEvents();
    } while (clock.MonotonicMs() - startMs <= SplashMilliseconds);
}

void StoreMainWindowOptions(OptionsRecord& options, Qt::WindowStates state, int dockState,
                            bool portOpen, int commPort) {
    options.WindowState = OptionFromWindowState(state);
    options.InfoPaneVisible = dockState != 0;
    options.InfoPaneDocked = dockState == 1;
    if (portOpen)
        options.CommPort = static_cast<quint8>(commPort);
}

FileDialogRequest ShutdownSaveRequest(const QString& lastFolder) {
    return SaveBeforeReplaceRequest(lastFolder);
}
