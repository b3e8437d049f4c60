#pragma once

class frmMain;

// Lets the link show its state on the main window (status picture and text, progress
// text, busy pointer, connect button, a lost port) and resolve port numbers to devices.
void ConnectLinkToMainWindow(frmMain& window);
