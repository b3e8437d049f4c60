#pragma once

// The information pane's close box: hides it in the dock host and raises its toolbar
// button and Window-menu item.
void InfoPaneHiddenByUser();
