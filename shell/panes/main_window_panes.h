#pragma once

// The information pane's close box: hides it in the dock host and raises its toolbar
// button and Window-menu item.
void InfoPaneHiddenByUser();
// Lets the main window create the two panes at its load and refresh the information pane.
void RegisterMainWindowPanes();
