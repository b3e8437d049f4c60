#include "shell/startup/start_up.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/platform_texts.h"
#include "platform/ui_services.h"
#include "shell/main/frm_main.h"
#include "shell/startup/frm_splash.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/shut_down.h"
#include "shell/startup/startup_rules.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {
void realDoEvents() {
    // One short turn of the event loop; the wait between turns keeps the splash from
    // spinning the processor.
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
}

void doEvents() {
    if (ShellHook().DoEvents)
        ShellHook().DoEvents();
    else
        realDoEvents();
}

void splashMessage(const QString& text) {
    if (Shell().Splash)
        Shell().Splash->SetMessage(text);
}

void unloadSplash() {
    delete Shell().Splash.data();
}

StartResult endStart() {
    ShutDown(nullptr);
    return StartResult::Ended;
}

StartResult startBody() {
    InitVariabili();
    const qint64 startMs = CurrentClock().MonotonicMs();

    Shell().Splash = new frmSplash;
    Shell().Splash->SetVersionLine(ProgramVersionText());
    Shell().Splash->SetDescriptionVisible(false);
    Shell().Splash->show();

    splashMessage(QStringLiteral("Loading Interface..."));
    if (!CheckIntegrity())
        return endStart();

    splashMessage(QStringLiteral("Reading Options..."));
    ReadOptions();

    // A table that lacks a text the program shows would leave boxes empty and buttons
    // without captions later on: it is refused as one that cannot be read.
    if (!InitLibrary(QStringLiteral("Language.dll")) ||
        !MissingTextIds(Language().Texts).isEmpty()) {
        Ui().StandardBox(QStringLiteral("Error loading the Language library. Cannot proceed."),
                         QStringLiteral("CRITICAL ERROR"), StandardIcon::Critical,
                         StandardButtons::Ok);
        return endStart();
    }
    SetLanguage(Options().Language);
    InstallPlatformTexts(Options().Language);

    splashMessage(QStringLiteral("Init serial port..."));
    // Touching the main window loads it; the port handler reports a port it cannot open.
    frmMain& main = MainWindow();
    Ui().SetOwner(&main);
    main.mnuSubSubMonitor_Click(Options().CommPort - 1);

    Shell().HelpFile = HelpFileFor(Options().Language);

    splashMessage(QStringLiteral("Starting Application..."));
    MainWindow();
    WaitForSplash(startMs, CurrentClock(), doEvents);

    unloadSplash();
    MainWindow().show();
    MainWindow().setWindowState(WindowStateFromOption(Options().WindowState));
    Shell().MainWindowShown = true;

    if (Options().ConnectOnStart && ShellHook().InitCommunication)
        ShellHook().InitCommunication();
    if (ShellHook().GestioneCommandLine)
        ShellHook().GestioneCommandLine();
    return StartResult::Running;
}
} // namespace

void InitVariabili() {
    Trapped("InitVariabili", [] {
        Shell() = ShellState{};
        CurrentData().IntervalMultiplier = 1;
        if (ShellHook().ResetState)
            ShellHook().ResetState();
    });
}

bool CheckIntegrity() {
    return Trapped("CheckIntegrity", false, [] {
        struct Support {
            const char* file;
            const char* missing;
        };
        static const Support files[] = {
            {"Corvanel_it.hlp", "Italian Help File Not Found"},
            {"Corvanel_en.hlp", "English Help Not Found"},
            {"Language.dll", "Language DLL Not Found"},
        };
        for (const Support& support : files) {
            if (!QFileInfo(InFolder(ProgramFolder(), QLatin1String(support.file))).isFile()) {
                Ui().StandardBox(QLatin1String(support.missing), QStringLiteral("ERROR"),
                                 StandardIcon::Critical, StandardButtons::Ok);
                return false;
            }
        }
        return true;
    });
}

StartResult Main() {
    bool failed = true;
    const StartResult result = Trapped("Main", StartResult::Running, [&] {
        const StartResult started = startBody();
        failed = false;
        return started;
    });
    if (!failed)
        return result;
    // After the report, a start that never showed its main window would leave a splash
    // and a hidden window that the user cannot close: end it instead.
    if (!Shell().MainWindowShown)
        return endStart();
    return StartResult::Running;
}
