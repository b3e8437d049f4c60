#pragma once

// The monitoring set-up: the main window's commands that reach it, and what the link's
// settings read and session start tell it.
void RegisterMonitor();
