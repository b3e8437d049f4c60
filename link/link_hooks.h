#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The owners of the instrument's reply data. The link's broadcasts (status, link state,
// port lost, busy pointer) go through Events(); these are the calls that exactly one owner
// answers. Each is called only when set, so the link runs alone in tests.

// Status pictures of the communication box (the main window's picture store indices).
enum class CommPicture { Off = 3, Failed = 4, PortOpen = 5, Ok = 5, Sending = 6 };

struct LinkReplyHooks {
    // Command 2: the live reading (SplitDataReadData); reply is the whole 13-byte frame.
    std::function<void(const QByteArray& reply)> LiveReading;
    // Command 4: the memory image (SplitUploadData); reply is the whole frame, the image is
    // bytes 4 .. size-3. True when the image became the data set.
    std::function<bool(const QByteArray& reply)> Download;
};
LinkReplyHooks& LinkReplyHook();
