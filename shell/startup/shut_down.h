#pragma once

class QWidget;

// The one way out: stops the timers, offers to save an unsaved data set, stores the main
// window's state, the pane's state and the open port in the options, unloads the windows
// (all but frm, the window that is closing), frees the language table and saves the
// options. It runs once: a later or nested call (the main window's close during a
// shutdown started elsewhere) returns at once. Called without a window (a failed start)
// it marks the program ended; with a window it returns and the caller closes it or ends
// the program.
void ShutDown(QWidget* frm);
