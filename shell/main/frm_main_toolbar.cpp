// The toolbar and the command dispatcher behind it.
#include "shell/main/frm_main.h"

#include "core/error_report.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "platform/paths.h"
#include "shell/main/dock_host.h"
#include "shell/main/file_commands.h"
#include "shell/main/help_window.h"
#include "shell/main/main_hooks.h"
#include "shell/main/picture_store.h"
#include "shell/main/reopen_views.h"
#include "shell/main/tile_layout.h"
#include "shell/main/twips.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/startup_rules.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {
// The help file of the language in use, as the start-up chose it.
QString helpFileName() {
    const QString chosen = Shell().HelpFile;
    return chosen.isEmpty() ? HelpFileFor(Options().Language) : chosen;
}
} // namespace

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
            if (spec.index == ButtonIndex(Button::Warnings) ||
                spec.index == ButtonIndex(Button::Info))
                continue;
            if (spec.style == ButtonStyle::DropDown || spec.style == ButtonStyle::Normal) {
                const auto button = static_cast<Button>(spec.index);
                connect(action, &QAction::triggered, this,
                        [this, button] { tbrToolbar_ButtonClick(button); });
            }
        }
        // The pane buttons show whether their pane is shown, and act on their pressed
        // state however it changes: a click, the keyboard or an assistive tool's toggle.
        buttons_[ButtonIndex(Button::Warnings)]->setCheckable(true);
        buttons_[ButtonIndex(Button::Info)]->setCheckable(true);
        connect(buttons_[ButtonIndex(Button::Warnings)], &QAction::toggled, this,
                &frmMain::setWarningsPaneShown);
        connect(buttons_[ButtonIndex(Button::Info)], &QAction::toggled, this,
                &frmMain::SetInfoPaneShown);
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

void frmMain::tbrToolbar_ButtonClick(Button button) {
    MainWindowHooks& hooks = MainWindowHook();
    switch (button) {
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
        showView(button);
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
    ReopenViews([this](Button button) { tbrToolbar_ButtonClick(button); });
}

void frmMain::showView(Button button) {
    MainWindowHooks& hooks = MainWindowHook();
    MainWindowHooks::View& view = button == Button::GraphTe   ? hooks.GraphTe
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
        // Only a minimised window is opened out again; a maximised one stays so.
        if (frame->isMinimized())
            frame->showNormal();
        else
            frame->show();
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
    setWarningsPaneShown(frmWarnings_->isHidden());
}

void frmMain::setWarningsPaneShown(bool shown) {
    if (shown != !frmWarnings_->isHidden())
        frmWarnings_->setVisible(shown);
    buttons_[ButtonIndex(Button::Warnings)]->setChecked(shown);
}

void frmMain::toggleInfoPane() {
    SetInfoPaneShown(dockControl_->State(InfoFormName) == dockable::FormHidden);
}

void frmMain::SetInfoPaneShown(bool shown) {
    const int state = dockControl_->State(InfoFormName);
    if (shown && state == dockable::FormHidden) {
        if (MenuItem(TopMenu::Windows, 1)->isChecked())
            dockControl_->SetState(InfoFormName, dockable::FormDocked);
        else
            dockControl_->Show(InfoFormName);
    } else if (!shown && state != dockable::FormHidden) {
        // The pane comes back as it stood, however it got there (a drag included).
        MenuItem(TopMenu::Windows, 1)->setChecked(state == dockable::FormDocked);
        dockControl_->Hide(InfoFormName);
    }
    followInfoPane();
}

// Button 20 and the Window menu's marks say how the pane stands now; a hidden pane keeps
// the dock mark it had when shown.
void frmMain::followInfoPane() {
    const int state = dockControl_->State(InfoFormName);
    const bool shown = state != dockable::FormHidden;
    buttons_[ButtonIndex(Button::Info)]->setChecked(shown);
    MenuItem(TopMenu::Windows, 0)->setChecked(shown);
    if (shown)
        MenuItem(TopMenu::Windows, 1)->setChecked(state == dockable::FormDocked);
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
    MainWindowHooks& hooks = MainWindowHook();
    if (hooks.ShowHelp)
        hooks.ShowHelp(path, command);
    else
        ShowHelpWindow(this, path, command);
}
