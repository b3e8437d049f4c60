#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The program's broadcasts: what many parts react to, told by whichever layer knows it
// first. A lower layer only emits; the shell's wiring connects the windows that react, so
// no call ever runs up the layers and every layer is tested alone (a test connects a spy).
// A signal with no receiver does nothing, as a hook left unset did.
class ProgramEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Whether anything listens to a signal, given as SIGNAL(Name(args)): a broadcast that
    // nobody receives is silently lost, so the wiring's test asks.
    bool HasReceivers(const char* signal) const { return receivers(signal) > 0; }

signals:
    // A load, download or import made a new current data set: its statistics and warnings
    // are rebuilt; the pane, the warnings and the data buttons follow.
    void DataSetReplaced();
    // Something the information pane shows changed (link, monitoring state, saved flag).
    void InfoChanged();
    // lblPanel1: the progress text of long operations; an empty text clears it. Receivers
    // repaint at once, since the sender may not return to the event loop for a while.
    void StatusText(const QString& text);
    // The communication box's picture (picture store index) and text; repaint at once.
    void CommStatus(int picture, const QString& text);
    // The link came up or went down (toolbar button 6 is enabled exactly while down).
    void LinkStateChanged(bool connected);
    // The port failed underneath (adapter unplugged) and was closed.
    void PortLost();
    // The hourglass pointer on (true) and restored (false).
    void BusyPointer(bool busy);
    // The recent-files list changed.
    void RecentFilesChanged();
    // A data window (graph, table, live view) came to the front.
    void WindowActivated(QWidget* window);
};

// The one events object of the program.
ProgramEvents& Events();
