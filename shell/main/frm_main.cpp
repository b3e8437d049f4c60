// Bare main window until the full window stands: caption and the start-up contract only.
#include "shell/main/frm_main.h"

#include "shell/main/dock_host.h"

#include <QPointer>
#include <QWidget>

namespace {
class PlainDockHost final : public DockHost {
public:
    void AddForm(QWidget*) override {}
    void Show(const QString&, int, int) override { state_ = 1; }
    void Hide(const QString&) override { state_ = 0; }
    int State(const QString&) const override { return state_; }
    void SetState(const QString&, int state) override { state_ = state; }
    void SetCanDockTop(bool) override {}
    void SetCanDockBottom(bool) override {}
    void SetLeftEdgeWidth(int) override {}
    void SetRightEdgeWidth(int) override {}

private:
    int state_ = 0;
};

QPointer<frmMain>& instance() {
    static QPointer<frmMain> window;
    return window;
}
PlainDockHost& plainHost() {
    static PlainDockHost host;
    return host;
}
} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Corvanel"));
    setObjectName(QStringLiteral("frmMain"));
}

frmMain::~frmMain() = default;

void frmMain::mnuSubSubMonitor_Click(int) {}
bool frmMain::PortOpen() const {
    return false;
}
int frmMain::CommPort() const {
    return 0;
}
DockHost& frmMain::DockControl() {
    return plainHost();
}

frmMain& MainWindow() {
    if (!instance())
        instance() = new frmMain();
    return *instance();
}

bool MainWindowLoaded() {
    return !instance().isNull();
}

void UnloadMainWindow() {
    delete instance().data();
}
