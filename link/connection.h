#pragma once

#include <QtGlobal>

// Connects to the instrument after asking the user: presence check, settings read for the
// monitoring state, then the keep-alive. True when the link is up with its keep-alive.
bool InitCommunication();
// Releases the link: not connected, connect button enabled, keep-alive and live-reading
// poll stopped, information pane refreshed. The pending exchange and the failure count are
// left to end as they will.
void DropCommunication();
// MonitorState from the settings' status byte (element 16).
int MonitorStateFromStatus(quint8 status);
