#pragma once

// Puts the settings dialog, the about box and the restart after a new language behind the
// main window's commands. Run once at start-up, before the main window loads.
void RegisterSettingsAndAbout();
