#pragma once

#include "platform/ui_services.h"

#include <QString>
#include <Qt>

#include <functional>

class Clock;
struct OptionsRecord;

// The splash's version text: "KL720 Version " and major.minor.revision.
QString VersionText(int major, int minor, int revision);
QString ProgramVersionText();

// The help file of a language: Italian for 0, English for any other number.
QString HelpFileFor(int language);

// The stored window state (0 normal, 1 minimised, 2 maximised) and back.
Qt::WindowStates WindowStateFromOption(int stored);
qint16 OptionFromWindowState(Qt::WindowStates state);

inline constexpr qint64 SplashMilliseconds = 3000;
// Lets the message loop run once, then once more as long as no more than the splash's
// time has passed since startMs on the clock's monotonic time (so a start just before
// midnight waits as long as any other).
void WaitForSplash(qint64 startMs, const Clock& clock, const std::function<void()>& doEvents);

// What shutdown stores of the main window in the options: its state, whether the
// information pane is shown and docked (dock state 0 hidden, 1 docked, 2 floating), and
// the port number when the port is open.
void StoreMainWindowOptions(OptionsRecord& options, Qt::WindowStates state, int dockState,
                            bool portOpen, int commPort);

// The session save dialog of the shutdown: like the toolbar's save, without the overwrite
// prompt (the save asks itself).
FileDialogRequest ShutdownSaveRequest(const QString& lastFolder);
