// The menus: their items, the marks of the Window menu and the items' commands.
#include "shell/main/frm_main.h"

#include "shell/main/dock_host.h"
#include "shell/main/file_commands.h"
#include "shell/main/main_hooks.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

void frmMain::buildMenus() {
    for (const TopMenuSpec& top : TopMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.designCaption));
        menu->setObjectName(QLatin1String(top.name));
        menus_[MenuSlot(top.menu)] = menu;
    }
    for (const MenuItemSpec& item : MenuItems) {
        QMenu* menu = menus_[MenuSlot(item.menu)];
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
            QStringLiteral("%1_%2").arg(QLatin1String(names[MenuSlot(item.menu)])).arg(item.index));
        auto& items = items_[MenuSlot(item.menu)];
        if (items.size() <= static_cast<size_t>(item.index))
            items.resize(static_cast<size_t>(item.index) + 1, nullptr);
        items[static_cast<size_t>(item.index)] = action;
        if (item.captionId == 0 || action == (portMenu_ ? portMenu_->menuAction() : nullptr))
            continue;
        const TopMenu menuId = item.menu;
        const int index = item.index;
        if (menuId == TopMenu::Windows && index == 1) {
            // A checkable item has flipped its own mark when it is chosen: that flip is the
            // toggle, so the handler's own flip is not repeated.
            connect(action, &QAction::triggered, this,
                    [this](bool docked) { setDockMark(docked); });
            continue;
        }
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

    connect(menus_[MenuSlot(TopMenu::File)], &QMenu::aboutToShow, this, &frmMain::mnuFile_Click);
    connect(menus_[MenuSlot(TopMenu::Monitor)], &QMenu::aboutToShow, this,
            &frmMain::mnuMonitor_Click);
    connect(menus_[MenuSlot(TopMenu::Graph)], &QMenu::aboutToShow, this, &frmMain::mnuGraph_Click);
    connect(menus_[MenuSlot(TopMenu::Windows)], &QMenu::aboutToShow, this,
            &frmMain::mnuWindows_Click);
}

QMenu* frmMain::Menu(TopMenu menu) const {
    return menus_[MenuSlot(menu)];
}

QAction* frmMain::MenuItem(TopMenu menu, int index) const {
    const auto& items = items_[MenuSlot(menu)];
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
        if (item.button == Button::None || item.menu == TopMenu::Windows ||
            item.menu == TopMenu::Help)
            continue;
        QAction* button = buttons_[static_cast<size_t>(ButtonIndex(item.button))];
        QAction* menuItem = MenuItem(item.menu, item.index);
        menuItem->setEnabled(button->isEnabled());
        connect(button, &QAction::changed, menuItem,
                [button, menuItem] { menuItem->setEnabled(button->isEnabled()); });
    }
}

void frmMain::copyButtonStates(TopMenu menu) {
    for (const MenuItemSpec& item : MenuItems)
        if (item.menu == menu && item.button != Button::None)
            MenuItem(menu, item.index)
                ->setEnabled(buttons_[static_cast<size_t>(ButtonIndex(item.button))]->isEnabled());
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
    switch (dockControl_->State(InfoFormName)) {
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
    QMenu* menu = menus_[MenuSlot(TopMenu::Windows)];
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

// Every item runs what its row of the menu table names.
void frmMain::runMenuItem(TopMenu menu, int index) {
    const MenuItemSpec* item = FindMenuItem(menu, index);
    if (!item)
        return;
    MainWindowHooks& hooks = MainWindowHook();
    switch (item->command) {
    case MenuCommand::None:
        break;
    case MenuCommand::Button:
        tbrToolbar_ButtonClick(item->button);
        break;
    case MenuCommand::DownloadTressil:
        if (!hooks.DownloadTressilData)
            CommandNotAvailable();
        else if (hooks.DownloadTressilData())
            OpenRequestedForms();
        break;
    case MenuCommand::Exit:
        if (!runShutDown())
            break;
        close();
        QCoreApplication::quit();
        break;
    case MenuCommand::ReadMonitorSettings:
        hooks.ReadMonitorSettings ? hooks.ReadMonitorSettings() : (void)CommandNotAvailable();
        break;
    case MenuCommand::DockToggle:
        setDockMark(!MenuItem(TopMenu::Windows, 1)->isChecked());
        break;
    case MenuCommand::About:
        hooks.ShowAbout ? hooks.ShowAbout() : (void)CommandNotAvailable();
        break;
    }
}

void frmMain::mnuSubFile_Click(int index) {
    runMenuItem(TopMenu::File, index);
}

void frmMain::mnuSubMonitor_Click(int index) {
    runMenuItem(TopMenu::Monitor, index);
}

void frmMain::mnuSubGraph_Click(int index) {
    runMenuItem(TopMenu::Graph, index);
}

void frmMain::mnuSubWindow_Click(int index) {
    runMenuItem(TopMenu::Windows, index);
}

// Sets the dock mark and docks or floats a shown pane by it; a hidden pane only has its
// mark changed.
void frmMain::setDockMark(bool docked) {
    MenuItem(TopMenu::Windows, 1)->setChecked(docked);
    if (dockControl_->State(InfoFormName) != dockable::FormHidden)
        dockControl_->SetState(InfoFormName,
                               docked ? dockable::FormDocked : dockable::FormUndocked);
}

void frmMain::mnuSubHelp_Click(int index) {
    runMenuItem(TopMenu::Help, index);
}
