#include "shell/main/frm_main.h"

#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "platform/paths.h"
#include "platform/serial/port_names.h"
#include "platform/ui_services.h"
#include "shell/core/error_report.h"
#include "shell/core/language.h"
#include "shell/core/message_box.h"
#include "shell/core/options.h"
#include "shell/main/dock_host.h"
#include "shell/main/file_commands.h"
#include "shell/main/help_window.h"
#include "shell/main/link_observers.h"
#include "shell/main/main_hooks.h"
#include "shell/main/picture_store.h"
#include "shell/main/plain_dock_host.h"
#include "shell/main/reopen_views.h"
#include "shell/main/tile_layout.h"
#include "shell/main/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString InfoKey = QStringLiteral("frmInfo");

size_t slot(TopMenu menu) {
    return static_cast<size_t>(menu);
}

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

QString helpFileName() {
    return Options().Language != 0 ? QStringLiteral("Corvanel_en.hlp")
                                   : QStringLiteral("Corvanel_it.hlp");
}
} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvanel"));
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

    MainHooks& hooks = MainWindowHooks();
    dockControl_ = hooks.CreateDockHost ? hooks.CreateDockHost(this) : nullptr;
    if (!dockControl_)
        dockControl_ = std::make_unique<PlainDockHost>(this);
    frmInfo_ = hooks.CreateInfoPane ? hooks.CreateInfoPane(this) : nullptr;
    if (!frmInfo_)
        frmInfo_ = plainInfoPane(this);
    frmInfo_->setObjectName(InfoKey);
    dockControl_->AddForm(frmInfo_, dockable::FormHidden, dockable::EAlignRight);
    dockControl_->SetCanDockBottom(InfoKey, false);
    dockControl_->SetCanDockTop(InfoKey, false);
    dockControl_->SetStateObserver([this](const QString& key, int state) {
        // The user closed, floated or docked the pane by hand: its button and marks follow.
        if (key != InfoKey)
            return;
        buttons_[Button::Info]->setChecked(state != dockable::FormHidden);
        MenuItem(TopMenu::Windows, 0)->setChecked(state != dockable::FormHidden);
        if (state != dockable::FormHidden)
            MenuItem(TopMenu::Windows, 1)->setChecked(state == dockable::FormDocked);
    });
    dockControl_->SetRightEdgeWidth(2355);
    dockControl_->SetLeftEdgeWidth(2355);
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
        menus_[slot(top.menu)]->setTitle(captionFor(top.captionId, top.designCaption));
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

// ---- toolbar ---------------------------------------------------------------------------

void frmMain::SetUpToolbar() {
    Trapped("SetUpToolbar", [&] {
        const double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
        toolbar_->setMinimumHeight(TwipsToPixels(ToolbarHeightTwips, dpi));
        toolbar_->setIconSize(QSize(24, 24));
        for (const ToolbarButtonSpec& spec : ToolbarButtons) {
            QAction* action = nullptr;
            switch (spec.style) {
            case ButtonStyle::Separator:
                action = toolbar_->addSeparator();
                break;
            case ButtonStyle::Placeholder: {
                auto* gap = new QWidget(toolbar_);
                gap->setFixedWidth(TwipsToPixels(PlaceholderWidthTwips, dpi));
                action = toolbar_->addWidget(gap);
                break;
            }
            case ButtonStyle::DropDown:
            case ButtonStyle::Normal:
                action = toolbar_->addAction(ToolbarPicture(spec.image), QString());
                break;
            }
            action->setObjectName(QStringLiteral("tbrButton%1").arg(spec.index));
            action->setProperty("buttonIndex", spec.index);
            buttons_[spec.index] = action;
            if (spec.style == ButtonStyle::DropDown) {
                recentFiles_ = new QMenu(this);
                recentFiles_->setObjectName(QStringLiteral("mnuRecentFiles"));
                action->setMenu(recentFiles_);
                if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action)))
                    button->setPopupMode(QToolButton::MenuButtonPopup);
            }
            if (spec.style == ButtonStyle::DropDown || spec.style == ButtonStyle::Normal) {
                const int index = spec.index;
                connect(action, &QAction::triggered, this,
                        [this, index] { tbrToolbar_ButtonClick(index); });
            }
        }
        // The pane buttons show whether their pane is shown.
        buttons_[Button::Warnings]->setCheckable(true);
        buttons_[Button::Info]->setCheckable(true);
        RefreshRecentFiles();
        for (const ToolbarButtonSpec& spec : ToolbarButtons)
            if (!spec.enabledAtStart)
                buttons_[spec.index]->setEnabled(false);
        mirrorButtonStates();
    });
}

void frmMain::RefreshRecentFiles() {
    if (!recentFiles_)
        return;
    recentFiles_->clear();
    for (int k = 1; k <= 4; ++k) {
        QString& name = Options().MRU[static_cast<size_t>(k)];
        name = name.trimmed();
        if (name.isEmpty())
            continue;
        // Each entry carries its own slot, so a gap in the list opens the right file.
        QAction* entry = recentFiles_->addAction(name);
        entry->setData(k);
        connect(entry, &QAction::triggered, this, [this, k] { tbrToolbar_ButtonMenuClick(k); });
    }
}

QAction* frmMain::ToolbarButton(int index) const {
    return index >= 1 && index <= ToolbarButtonCount ? buttons_[static_cast<size_t>(index)]
                                                     : nullptr;
}

void frmMain::tbrToolbar_ButtonClick(int index) {
    MainHooks& hooks = MainWindowHooks();
    switch (index) {
    case Button::Open:
        if (OpenSessionCommand())
            OpenRequestedForms();
        break;
    case Button::Save:
        SaveSessionCommand();
        break;
    case Button::Export:
        ExportCommand();
        break;
    case Button::Connect:
        if (!CommState().Connected)
            InitCommunication();
        break;
    case Button::Upload:
        if (!hooks.UploadData)
            CommandNotAvailable();
        else if (hooks.UploadData())
            OpenRequestedForms();
        break;
    case Button::RealTime:
        hooks.ShowRealTimeView ? hooks.ShowRealTimeView() : (void)CommandNotAvailable();
        break;
    case Button::Monitor:
        hooks.ShowMonitorDialog ? hooks.ShowMonitorDialog() : (void)CommandNotAvailable();
        break;
    case Button::IdCode:
        hooks.ShowIdCodeDialog ? hooks.ShowIdCodeDialog() : (void)CommandNotAvailable();
        break;
    case Button::GraphTe:
    case Button::GraphSt:
    case Button::Source:
        showView(index);
        break;
    case Button::Settings:
        hooks.ShowSettingsDialog ? hooks.ShowSettingsDialog() : (void)CommandNotAvailable();
        break;
    case Button::Warnings:
        toggleWarningsPane();
        break;
    case Button::Info:
        toggleInfoPane();
        break;
    case Button::Tile:
        tileChildWindows();
        break;
    case Button::HelpSearch:
        showHelp(HelpCommand::Finder);
        break;
    case Button::HelpIndex:
        showHelp(HelpCommand::Contents);
        break;
    default:
        // The separator, the gaps and indexes outside the toolbar do nothing.
        break;
    }
}

void frmMain::tbrToolbar_ButtonMenuClick(int slot) {
    if (OpenRecentFileCommand(slot))
        OpenRequestedForms();
}

void frmMain::OpenRequestedForms() {
    ReopenViews([this](int button) { tbrToolbar_ButtonClick(button); });
}

void frmMain::showView(int button) {
    MainHooks& hooks = MainWindowHooks();
    MainHooks::View& view = button == Button::GraphTe   ? hooks.GraphTe
                            : button == Button::GraphSt ? hooks.GraphSt
                                                        : hooks.Source;
    if (view.IsOpen && view.IsOpen()) {
        bringToFront(view.Window ? view.Window() : nullptr);
        return;
    }
    if (!view.Show) {
        CommandNotAvailable();
        return;
    }
    view.Show();
}

void frmMain::bringToFront(QWidget* view) {
    if (!view)
        return;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
        frame->showNormal();
        mdiArea_->setActiveSubWindow(frame);
        return;
    }
    view->show();
    view->raise();
    view->activateWindow();
}

QMdiSubWindow* frmMain::AddChildWindow(QWidget* view) {
    QMdiSubWindow* frame = mdiArea_->addSubWindow(view);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    return frame;
}

void frmMain::toggleWarningsPane() {
    QAction* button = buttons_[Button::Warnings];
    if (frmWarnings_->isHidden()) {
        frmWarnings_->show();
        button->setChecked(true);
    } else {
        frmWarnings_->hide();
        button->setChecked(false);
    }
}

void frmMain::toggleInfoPane() {
    QAction* button = buttons_[Button::Info];
    if (dockControl_->State(InfoKey) != dockable::FormHidden) {
        dockControl_->Hide(InfoKey);
        button->setChecked(false);
        MenuItem(TopMenu::Windows, 0)->setChecked(false);
        return;
    }
    if (MenuItem(TopMenu::Windows, 1)->isChecked())
        dockControl_->SetState(InfoKey, dockable::FormDocked);
    else
        dockControl_->Show(InfoKey);
    button->setChecked(true);
    MenuItem(TopMenu::Windows, 0)->setChecked(true);
}

void frmMain::tileChildWindows() {
    std::vector<QMdiSubWindow*> tiled;
    for (QMdiSubWindow* frame : mdiArea_->subWindowList())
        if (!frame->isHidden() && !frame->isMinimized())
            tiled.push_back(frame);
    const std::vector<QRect> places =
        HorizontalTiles(mdiArea_->viewport()->rect(), static_cast<int>(tiled.size()));
    for (size_t i = 0; i < tiled.size() && i < places.size(); ++i) {
        if (tiled[i]->isMaximized())
            tiled[i]->showNormal();
        tiled[i]->setGeometry(places[i]);
    }
}

void frmMain::showHelp(int command) {
    const QString path = InFolder(ProgramFolder(), helpFileName());
    MainHooks& hooks = MainWindowHooks();
    if (hooks.ShowHelp)
        hooks.ShowHelp(path, command);
    else
        ShowHelpWindow(this, path, command);
}

// ---- menus -----------------------------------------------------------------------------

void frmMain::buildMenus() {
    for (const TopMenuSpec& top : TopMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.designCaption));
        menu->setObjectName(QLatin1String(top.name));
        menus_[slot(top.menu)] = menu;
    }
    for (const MenuItemSpec& item : MenuItems) {
        QMenu* menu = menus_[slot(item.menu)];
        QAction* action = nullptr;
        if (item.captionId == 0) {
            action = menu->addSeparator();
        } else if (item.menu == TopMenu::Monitor && item.index == 6) {
            portMenu_ = menu->addMenu(QString::fromUtf8(item.designCaption));
            portMenu_->setObjectName(QStringLiteral("mnuPorts"));
            action = portMenu_->menuAction();
        } else {
            action = menu->addAction(QString::fromUtf8(item.designCaption));
            if (*item.shortcut)
                action->setShortcut(QKeySequence::fromString(QLatin1String(item.shortcut),
                                                             QKeySequence::PortableText));
        }
        static const char* const names[] = {"mnuSubFile", "mnuSubMonitor", "mnuSubGraph",
                                            "mnuSubWindow", "mnuSubHelp"};
        action->setObjectName(
            QStringLiteral("%1_%2").arg(QLatin1String(names[slot(item.menu)])).arg(item.index));
        auto& items = items_[slot(item.menu)];
        if (items.size() <= static_cast<size_t>(item.index))
            items.resize(static_cast<size_t>(item.index) + 1, nullptr);
        items[static_cast<size_t>(item.index)] = action;
        if (item.captionId == 0 || action == (portMenu_ ? portMenu_->menuAction() : nullptr))
            continue;
        const TopMenu menuId = item.menu;
        const int index = item.index;
        connect(action, &QAction::triggered, this, [this, menuId, index] {
            switch (menuId) {
            case TopMenu::File:
                mnuSubFile_Click(index);
                break;
            case TopMenu::Monitor:
                mnuSubMonitor_Click(index);
                break;
            case TopMenu::Graph:
                mnuSubGraph_Click(index);
                break;
            case TopMenu::Windows:
                mnuSubWindow_Click(index);
                break;
            case TopMenu::Help:
                mnuSubHelp_Click(index);
                break;
            }
        });
    }
    MenuItem(TopMenu::Windows, 0)->setCheckable(true);
    MenuItem(TopMenu::Windows, 1)->setCheckable(true);
    MenuItem(TopMenu::Windows, 2)->setCheckable(true);

    for (int i = 0; i < PortMenuItems; ++i) {
        QAction* port = portMenu_->addAction(QStringLiteral("Com %1").arg(i + 1));
        port->setObjectName(QStringLiteral("mnuSubSubMonitor_%1").arg(i));
        port->setCheckable(true);
        connect(port, &QAction::triggered, this, [this, i] { mnuSubSubMonitor_Click(i); });
        portItems_[static_cast<size_t>(i)] = port;
    }
    connect(portMenu_, &QMenu::aboutToShow, this, &frmMain::refreshPortCaptions);

    connect(menus_[slot(TopMenu::File)], &QMenu::aboutToShow, this, &frmMain::mnuFile_Click);
    connect(menus_[slot(TopMenu::Monitor)], &QMenu::aboutToShow, this, &frmMain::mnuMonitor_Click);
    connect(menus_[slot(TopMenu::Graph)], &QMenu::aboutToShow, this, &frmMain::mnuGraph_Click);
    connect(menus_[slot(TopMenu::Windows)], &QMenu::aboutToShow, this, &frmMain::mnuWindows_Click);
}

QMenu* frmMain::Menu(TopMenu menu) const {
    return menus_[slot(menu)];
}

QAction* frmMain::MenuItem(TopMenu menu, int index) const {
    const auto& items = items_[slot(menu)];
    return index >= 0 && static_cast<size_t>(index) < items.size()
               ? items[static_cast<size_t>(index)]
               : nullptr;
}

QAction* frmMain::PortItem(int index) const {
    return index >= 0 && index < PortMenuItems ? portItems_[static_cast<size_t>(index)] : nullptr;
}

// The items that run a toolbar command are enabled exactly while their button is, so that
// a shortcut never runs a command whose button is off.
void frmMain::mirrorButtonStates() {
    for (const MenuItemSpec& item : MenuItems) {
        if (item.button == 0 || item.menu == TopMenu::Windows || item.menu == TopMenu::Help)
            continue;
        QAction* button = buttons_[static_cast<size_t>(item.button)];
        QAction* menuItem = MenuItem(item.menu, item.index);
        menuItem->setEnabled(button->isEnabled());
        connect(button, &QAction::changed, menuItem,
                [button, menuItem] { menuItem->setEnabled(button->isEnabled()); });
    }
}

void frmMain::copyButtonStates(TopMenu menu) {
    for (const MenuItemSpec& item : MenuItems)
        if (item.menu == menu && item.button != 0)
            MenuItem(menu, item.index)
                ->setEnabled(buttons_[static_cast<size_t>(item.button)]->isEnabled());
}

void frmMain::mnuFile_Click() {
    copyButtonStates(TopMenu::File);
}

void frmMain::mnuMonitor_Click() {
    copyButtonStates(TopMenu::Monitor);
}

void frmMain::mnuGraph_Click() {
    copyButtonStates(TopMenu::Graph);
}

void frmMain::mnuWindows_Click() {
    QAction* show = MenuItem(TopMenu::Windows, 0);
    QAction* dock = MenuItem(TopMenu::Windows, 1);
    switch (dockControl_->State(InfoKey)) {
    case dockable::FormHidden:
        show->setChecked(false);
        dock->setChecked(false);
        break;
    case dockable::FormDocked:
        show->setChecked(true);
        dock->setChecked(true);
        break;
    default:
        show->setChecked(true);
        dock->setChecked(false);
        break;
    }
    MenuItem(TopMenu::Windows, 2)->setChecked(!frmWarnings_->isHidden());
    fillWindowList();
}

// The Window menu ends with the open child windows, the active one checked.
void frmMain::fillWindowList() {
    QMenu* menu = menus_[slot(TopMenu::Windows)];
    for (QAction* entry : windowList_) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    windowList_.clear();
    const QList<QMdiSubWindow*> frames = mdiArea_->subWindowList();
    if (frames.isEmpty())
        return;
    windowList_.push_back(menu->addSeparator());
    int number = 0;
    for (QMdiSubWindow* frame : frames) {
        QAction* entry =
            menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(frame->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(frame == mdiArea_->activeSubWindow());
        QPointer<QMdiSubWindow> target(frame);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (target)
                bringToFront(target->widget());
        });
        windowList_.push_back(entry);
    }
}

void frmMain::mnuSubFile_Click(int index) {
    switch (index) {
    case 0:
        tbrToolbar_ButtonClick(Button::Open);
        break;
    case 1:
        tbrToolbar_ButtonClick(Button::Save);
        break;
    case 3:
        tbrToolbar_ButtonClick(Button::Upload);
        break;
    case 4: {
        MainHooks& hooks = MainWindowHooks();
        if (!hooks.DownloadTressilData)
            CommandNotAvailable();
        else if (hooks.DownloadTressilData())
            OpenRequestedForms();
        break;
    }
    case 5:
        tbrToolbar_ButtonClick(Button::Export);
        break;
    case 7:
        tbrToolbar_ButtonClick(Button::Settings);
        break;
    case 9:
        runShutDown();
        close();
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}

void frmMain::mnuSubMonitor_Click(int index) {
    switch (index) {
    case 0:
        tbrToolbar_ButtonClick(Button::RealTime);
        break;
    case 3:
        tbrToolbar_ButtonClick(Button::Monitor);
        break;
    case 4:
        tbrToolbar_ButtonClick(Button::IdCode);
        break;
    case 7:
        tbrToolbar_ButtonClick(Button::Connect);
        break;
    default:
        break;
    }
}

void frmMain::mnuSubGraph_Click(int index) {
    switch (index) {
    case 0:
        tbrToolbar_ButtonClick(Button::GraphTe);
        break;
    case 1:
        tbrToolbar_ButtonClick(Button::GraphSt);
        break;
    case 2:
        tbrToolbar_ButtonClick(Button::Source);
        break;
    default:
        break;
    }
}

void frmMain::mnuSubWindow_Click(int index) {
    switch (index) {
    case 0:
        tbrToolbar_ButtonClick(Button::Info);
        break;
    case 1: {
        // The dock toggle: a hidden pane only has its mark changed.
        QAction* dock = MenuItem(TopMenu::Windows, 1);
        dock->setChecked(!dock->isChecked());
        if (dockControl_->State(InfoKey) != dockable::FormHidden)
            dockControl_->SetState(InfoKey, dock->isChecked() ? dockable::FormDocked
                                                              : dockable::FormUndocked);
        break;
    }
    case 2:
        tbrToolbar_ButtonClick(Button::Warnings);
        break;
    case 4:
        tbrToolbar_ButtonClick(Button::Tile);
        break;
    default:
        break;
    }
}

void frmMain::mnuSubHelp_Click(int index) {
    switch (index) {
    case 0:
        tbrToolbar_ButtonClick(Button::HelpIndex);
        break;
    case 1:
        tbrToolbar_ButtonClick(Button::HelpSearch);
        break;
    case 3: {
        MainHooks& hooks = MainWindowHooks();
        hooks.ShowAbout ? hooks.ShowAbout() : (void)CommandNotAvailable();
        break;
    }
    default:
        break;
    }
}

// ---- serial port -----------------------------------------------------------------------

void frmMain::refreshPortCaptions() {
    const QStringList devices = MachineSerialDevices();
    for (int i = 0; i < PortMenuItems; ++i) {
        const QString device = PortDeviceLabel(i + 1, devices);
        QString caption = QStringLiteral("Com %1").arg(i + 1);
        if (!device.isEmpty())
            caption += QStringLiteral("  (") + device + u')';
        portItems_[static_cast<size_t>(i)]->setText(caption);
    }
}

void frmMain::mnuSubSubMonitor_Click(int index) {
    for (QAction* port : portItems_)
        port->setChecked(false);
    SerialError why = SerialError::Missing;
    bool opened = false;
    if (index >= 0 && index < PortMenuItems)
        opened = OpenCommPort(index + 1, &why);
    else
        CloseCommPort();
    if (opened) {
        portItems_[static_cast<size_t>(index)]->setChecked(true);
        SetCommStatus(StatusPicture::CommOk, ResString(3042));
        return;
    }
    QString message = ResString(6);
    if (why == SerialError::PermissionDenied)
        message += QStringLiteral("\n\n") + ResString(4192);
    MessBox(message, QString(), -1, -1);
    SetCommStatus(StatusPicture::CommOff, ResString(5));
}

bool frmMain::PortOpen() const {
    return Seriale().IsOpen();
}

int frmMain::CommPort() const {
    return CommPortNumber();
}

// The link decides what the bytes are: with no command in flight they are thrown away;
// otherwise the reply time-out stops, receive events stay off until the next send and the
// reply is read.
void frmMain::Seriale_OnComm() {
    SerialReceiveEvent();
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

void frmMain::runShutDown() {
    if (shutDownRun_)
        return;
    shutDownRun_ = true;
    if (MainHooks& hooks = MainWindowHooks(); hooks.ShutDown)
        hooks.ShutDown(this);
}

void frmMain::closeEvent(QCloseEvent* event) {
    runShutDown();
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
