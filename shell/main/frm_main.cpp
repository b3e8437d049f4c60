#include "shell/main/frm_main.h"

#include "core/language.h"
#include "core/options.h"
#include "platform/ui_services.h"
#include "shell/main/dock_host.h"
#include "shell/main/dockable_host.h"
#include "shell/main/editing_keys.h"
#include "shell/main/main_hooks.h"
#include "shell/main/picture_store.h"
#include "shell/wiring/wire_link.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {
// A caption from the language texts; the design caption while the table has none.
QString captionFor(int id, const char* design) {
    const QString text = ResString(id);
    return text.isEmpty() ? QString::fromUtf8(design) : text;
}

QPointer<frmMain>& instance() {
    static QPointer<frmMain> window;
    return window;
}

// The information pane's stand-in while the panes are not built.
QWidget* plainInfoPane(QWidget* owner) {
    auto* pane = new QWidget(owner);
    pane->setWindowTitle(ResString(4138));
    pane->setMinimumWidth(120);
    return pane;
}

// The warnings pane's stand-in: an empty tool window that stays hidden until asked for.
QWidget* plainWarningsPane(QWidget* owner) {
    auto* pane = new QWidget(owner, Qt::Tool);
    pane->setWindowTitle(ResString(4156));
    pane->resize(360, 240);
    return pane;
}
} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvanel"));
    // The child windows and dialogs take the icon from the main window.
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbrToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    buildMenus();
    // The menus' Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+A copy, cut, paste and select where text
    // has the focus.
    LetTextTakeEditingKeys(this);
    buildStatusBar();
    resize(900, 640);
    MDIForm_Load();
}

frmMain::~frmMain() {
    if (Ui().Owner() == this)
        Ui().SetOwner(nullptr);
}

// ---- load ------------------------------------------------------------------------------

void frmMain::MDIForm_Load() {
    if (!Ui().Owner())
        Ui().SetOwner(this);
    SetUpToolbar();
    SetUpForm(this);
    ConnectLinkToMainWindow(*this);

    imgCommStatus_->setPixmap(pctImage(StatusPicture::CommOff));
    imgBattStatus_->setPixmap(pctImage(StatusPicture::BatteryUnknown));
    lblBattStatus_->setText(ResString(5));
    lblCommStatus_->setText(ResString(5));
    lblPanel1_->setText(QString());

    MainWindowHooks& hooks = MainWindowHook();
    dockControl_ = hooks.CreateDockHost ? hooks.CreateDockHost(this) : nullptr;
    if (!dockControl_)
        dockControl_ = std::make_unique<DockableHost>(this);
    frmInfo_ = hooks.CreateInfoPane ? hooks.CreateInfoPane(this) : nullptr;
    if (!frmInfo_)
        frmInfo_ = plainInfoPane(this);
    frmInfo_->setObjectName(InfoFormName);
    dockControl_->AddForm(frmInfo_, dockable::FormHidden, dockable::EAlignRight);
    dockControl_->SetCanDockBottom(InfoFormName, false);
    dockControl_->SetCanDockTop(InfoFormName, false);
    dockControl_->SetStateObserver([this](const QString& key, int) {
        // The user closed, floated, dragged or docked the pane by hand: its button and marks
        // follow.
        if (key == InfoFormName)
            followInfoPane();
    });
    // The edges open at their design width, or wider where the pane's captions and values
    // need it: that width was chosen for a smaller system font than today's.
    const int edgeWidth = std::max(2355, dockControl_->EdgeWidthFor(frmInfo_->sizeHint().width()));
    dockControl_->SetRightEdgeWidth(edgeWidth);
    dockControl_->SetLeftEdgeWidth(edgeWidth);
    if (hooks.UpdateInfo)
        hooks.UpdateInfo();

    MenuItem(TopMenu::Windows, 1)->setChecked(Options().InfoPaneDocked);
    if (Options().InfoPaneVisible)
        mnuSubWindow_Click(0);

    frmWarnings_ = hooks.CreateWarningsPane ? hooks.CreateWarningsPane(this) : nullptr;
    if (!frmWarnings_)
        frmWarnings_ = plainWarningsPane(this);
    frmWarnings_->setObjectName(QStringLiteral("frmWarnings"));
    frmWarnings_->hide();

    ApplyTexts();
    MenuItem(TopMenu::Monitor, 2)->setVisible(false);
}

void frmMain::ApplyTexts() {
    for (const TopMenuSpec& top : TopMenus)
        menus_[MenuSlot(top.menu)]->setTitle(captionFor(top.captionId, top.designCaption));
    for (const MenuItemSpec& item : MenuItems)
        if (item.captionId != 0)
            MenuItem(item.menu, item.index)
                ->setText(captionFor(item.captionId, item.designCaption));
    for (const ToolbarButtonSpec& spec : ToolbarButtons) {
        if (spec.tooltipId == 0)
            continue;
        const QString tip = ResString(spec.tooltipId);
        buttons_[spec.index]->setToolTip(tip);
        buttons_[spec.index]->setText(tip);
    }
    refreshPortCaptions();
}

// ---- status bar ------------------------------------------------------------------------

void frmMain::buildStatusBar() {
    auto makeBox = [this](const QString& name, QLabel*& image, QLabel*& label) {
        auto* box = new QFrame(this);
        box->setObjectName(name);
        box->setFrameShape(QFrame::StyledPanel);
        box->setFrameShadow(QFrame::Sunken);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(4, 1, 4, 1);
        layout->setSpacing(4);
        image = new QLabel(box);
        image->setFixedSize(16, 16);
        label = new QLabel(box);
        layout->addWidget(image);
        layout->addWidget(label, 1);
        box->setMinimumWidth(150);
        return box;
    };
    lblPanel1_ = new QLabel(this);
    lblPanel1_->setObjectName(QStringLiteral("lblPanel1"));
    pctBattStatus_ = makeBox(QStringLiteral("pctBattStatus"), imgBattStatus_, lblBattStatus_);
    imgBattStatus_->setObjectName(QStringLiteral("imgBattStatus"));
    lblBattStatus_->setObjectName(QStringLiteral("lblBattStatus"));
    pctCommStatus_ = makeBox(QStringLiteral("pctCommStatus"), imgCommStatus_, lblCommStatus_);
    imgCommStatus_->setObjectName(QStringLiteral("imgCommStatus"));
    lblCommStatus_->setObjectName(QStringLiteral("lblCommStatus"));
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("pctStatusBar"));
    bar->addWidget(lblPanel1_, 1);
    bar->addPermanentWidget(pctBattStatus_);
    bar->addPermanentWidget(pctCommStatus_);
}

QPixmap frmMain::pctImage(int index) const {
    return StatusPictureAt(index, devicePixelRatioF());
}

void frmMain::SetCommStatus(int picture, const QString& text) {
    imgCommStatus_->setPixmap(pctImage(picture));
    lblCommStatus_->setText(text);
    imgCommStatus_->repaint();
    lblCommStatus_->repaint();
}

void frmMain::SetBattStatus(int picture) {
    imgBattStatus_->setPixmap(pctImage(picture));
    imgBattStatus_->repaint();
}

void frmMain::SetPanelText(const QString& text) {
    lblPanel1_->setText(text);
    lblPanel1_->repaint();
}

// ---- docking and closing ---------------------------------------------------------------

DockHost& frmMain::DockControl() {
    return *dockControl_;
}

bool frmMain::runShutDown() {
    if (shutDownRun_)
        return true;
    shutDownRun_ = true;
    MainWindowHooks& hooks = MainWindowHook();
    if (hooks.ShutDown && !hooks.ShutDown(this)) {
        // The user kept the program and its data: a later close asks again.
        shutDownRun_ = false;
        return false;
    }
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!runShutDown()) {
        event->ignore();
        return;
    }
    event->accept();
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
