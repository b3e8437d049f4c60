#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Calls from the link up to the windows and to the owners of the reply data. The upper
// layers register them; each is called only when set, so the link runs alone in tests.

// Status pictures of the communication box (the main window's picture store indices).
enum class CommPicture { Off = 3, Failed = 4, PortOpen = 5, Ok = 5, Sending = 6 };

struct LinkObservers {
    // imgCommStatus takes the picture, lblCommStatus the text; repaint at once.
    std::function<void(CommPicture picture, const QString& text)> CommStatus;
    // Toolbar button 6 (connect) is enabled exactly while not connected.
    std::function<void(bool connected)> ConnectedChanged;
    // UpdateInfo: refresh the information pane (link and monitoring state).
    std::function<void()> UpdateInfo;
    // lblPanel1, the progress text of long operations.
    std::function<void(const QString& text)> PanelText;
    // The port failed underneath (adapter unplugged): the port is closed; the main window
    // shows the closed port (picture 3, text 5) and unchecks the port menu.
    std::function<void()> PortLost;
    // The hourglass pointer on (true) and restored (false).
    std::function<void(bool busy)> BusyPointer;
};
LinkObservers& LinkObserver();

// The owners of reply data register these.
struct LinkReplyHandlers {
    // Command 2: the live reading (SplitDataReadData); reply is the whole 13-byte frame.
    std::function<void(const QByteArray& reply)> LiveReading;
    // Command 4: the memory image (SplitUploadData); reply is the whole frame, the image is
    // bytes 4 .. size-3. True when the image became the data set.
    std::function<bool(const QByteArray& reply)> Download;
    // Command 7: the instrument's identification texts, trimmed then blank-padded to 16 and
    // 48 characters (the data set's IDShort and IDLong).
    std::function<void(const QString& idShort, const QString& idLong)> StoreIdTexts;
    // Command 8 sends the data set's IDShort and IDLong.
    std::function<void(QString& idShort, QString& idLong)> CurrentIdTexts;
};
LinkReplyHandlers& LinkReplies();
