#pragma once

class QWidget;

// The one way out: offers to save an unsaved data set, stops the timers, stores the main
// window's state, the pane's state and the open port in the options, unloads the windows
// (all but frm, the window that is closing), frees the language table and saves the
// options. False when the user kept the program running (Cancel, a cancelled save dialog,
// a failed save): then nothing of the above was done and the caller closes nothing. It
// runs once: a later or nested call (the main window's close during a shutdown started
// elsewhere) returns true at once. Called without a window (a failed start, the event loop
// gone) it always goes through and marks the program ended; with a window it returns and
// the caller closes it or ends the program.
bool ShutDown(QWidget* frm);
