#pragma once

#include <functional>

// Calls from the loaders up to the windows after a data set was loaded. The shell and the
// panes register them; each is called only when set, so the loaders run alone in tests.
struct DataLoadHooks {
    // UpdateInfo: refresh the information pane from the current data set.
    std::function<void()> UpdateInfo;
    // Enable one toolbar button (by its index) now that a data set is loaded.
    std::function<void(int button)> EnableToolbarButton;
    // The options ask for the warnings after a load: show frmWarnings and press toolbar
    // button 19.
    std::function<void()> ShowWarningsPane;
    // The main window's OpenRequestedForms: close and reopen the data views.
    std::function<void()> OpenRequestedForms;
};
DataLoadHooks& DataLoad();
