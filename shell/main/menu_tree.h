#pragma once

#include "shell/main/text_id.h"
#include "shell/main/toolbar_buttons.h"

#include <array>
#include <cstddef>

// The main window's menu tree. Each top menu's items form one array indexed from 0; an
// item with no caption id is a separator. An item that forwards to a toolbar button runs
// the dispatcher with that button and is enabled exactly while the button is.
enum class TopMenu { File, Monitor, Graph, Windows, Help };

struct TopMenuSpec {
    TopMenu menu;
    const char* name;
    int captionId;
    const char* designCaption;
};

// What choosing an item does: most run their toolbar button's command; the others name
// their own.
enum class MenuCommand {
    None,
    Button,
    DownloadTressil,
    Exit,
    ReadMonitorSettings,
    DockToggle,
    About
};

struct MenuItemSpec {
    TopMenu menu;
    int index;
    int captionId; // 0: separator
    const char* designCaption;
    const char* shortcut; // portable text of the key sequence, "" for none
    Button button;        // toolbar button it forwards to, or None
    MenuCommand command = MenuCommand::Button;
};

inline constexpr std::array<TopMenuSpec, 5> TopMenus{{
    {TopMenu::File, "mnuFile", TextIdOf(4100), "&File"},
    {TopMenu::Monitor, "mnuMonitor", TextIdOf(4107), "&Monitor"},
    {TopMenu::Graph, "mnuGraph", TextIdOf(4114), "&Graphics"},
    {TopMenu::Windows, "mnuWindows", TextIdOf(4118), "&Windows"},
    {TopMenu::Help, "mnuHelp", TextIdOf(4122), "&Help"},
}};

inline constexpr MenuItemSpec MenuItems[] = {
    {TopMenu::File, 0, TextIdOf(4101), "&Load Data File...", "Ctrl+L", Button::Open},
    {TopMenu::File, 1, TextIdOf(4102), "&Save Data File...", "Ctrl+S", Button::Save},
    {TopMenu::File, 2, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::File, 3, TextIdOf(4103), "&Upload data...", "Ctrl+U", Button::Upload},
    {TopMenu::File, 4, TextIdOf(55), "&Import Data from Tresil", "", Button::None,
     MenuCommand::DownloadTressil},
    {TopMenu::File, 5, TextIdOf(4104), "&Export data...", "Ctrl+E", Button::Export},
    {TopMenu::File, 6, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::File, 7, TextIdOf(4105), "&Preferences...", "Ctrl+P", Button::Settings},
    {TopMenu::File, 8, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::File, 9, TextIdOf(4106), "E&xit", "Ctrl+X", Button::None, MenuCommand::Exit},
    {TopMenu::Monitor, 0, TextIdOf(4108), "&Direct Monitor...", "Ctrl+D", Button::RealTime},
    {TopMenu::Monitor, 1, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::Monitor, 2, TextIdOf(4109), "&Read Monitor Settings", "", Button::None,
     MenuCommand::ReadMonitorSettings},
    {TopMenu::Monitor, 3, TextIdOf(4110), "&Set Monitor Settings...", "Ctrl+I", Button::Monitor},
    {TopMenu::Monitor, 4, TextIdOf(4111), "Set &ID Code...", "Ctrl+C", Button::IdCode},
    {TopMenu::Monitor, 5, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::Monitor, 6, TextIdOf(4112), "S&elect Com Port", "", Button::None, MenuCommand::None},
    {TopMenu::Monitor, 7, TextIdOf(4113), "Start &Communication", "Ctrl+G", Button::Connect},
    {TopMenu::Graph, 0, TextIdOf(4115), "Show &Time Evolution...", "F4", Button::GraphTe},
    {TopMenu::Graph, 1, TextIdOf(4116), "Show S&tatistics...", "F5", Button::GraphSt},
    {TopMenu::Graph, 2, TextIdOf(4117), "Show &Data Source...", "F6", Button::Source},
    {TopMenu::Windows, 0, TextIdOf(4119), "Show &Info Window", "Ctrl+V", Button::Info},
    {TopMenu::Windows, 1, TextIdOf(4120), "&Dock Info Window", "Ctrl+A", Button::None,
     MenuCommand::DockToggle},
    {TopMenu::Windows, 2, TextIdOf(4155), "&Show Data Analisys Window", "Ctrl+W", Button::Warnings},
    {TopMenu::Windows, 3, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::Windows, 4, TextIdOf(4121), "&Arrange", "", Button::Tile},
    {TopMenu::Help, 0, TextIdOf(4123), "&Index...", "F1", Button::HelpIndex},
    {TopMenu::Help, 1, TextIdOf(4124), "&Search in help...", "F2", Button::HelpSearch},
    {TopMenu::Help, 2, 0, "-", "", Button::None, MenuCommand::None},
    {TopMenu::Help, 3, TextIdOf(4125), "A&bout...", "F3", Button::None, MenuCommand::About},
};

inline constexpr int PortMenuItems = 10;

// The item at index of a top menu, or nullptr.
constexpr const MenuItemSpec* FindMenuItem(TopMenu menu, int index) {
    for (const MenuItemSpec& item : MenuItems)
        if (item.menu == menu && item.index == index)
            return &item;
    return nullptr;
}

// The position of a top menu in arrays kept per menu.
constexpr size_t MenuSlot(TopMenu menu) {
    return static_cast<size_t>(menu);
}
