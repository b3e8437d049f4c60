#pragma once

#include "shell/panes/info_view.h"

// The live readings and the real-time view connected to the program: the link's command-2
// replies to the live decoder, the decoder and the polling to the main window (battery
// picture, instrument buttons), the information pane and the view, and the toolbar's
// real-time button to the view.
void WireRealTime();

// The live readings as the information pane shows them.
LiveInfo LiveInfoFromSet();
