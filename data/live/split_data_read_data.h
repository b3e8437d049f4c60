#pragma once

#include <QByteArray>

// The live decoder: a good command-2 reply (the whole frame) becomes the next live reading.
// The battery picture follows its flag; the reading joins the live arrays and figures, the
// information pane shows it, the real-time log takes its record while it is open, and the
// view draws it. A reading that cannot be taken (a high-range count past the instrument's
// range) is reported in the status line and leaves everything but the battery picture as
// it was; the next good reading takes that report away. Nothing here opens a box: it runs
// from the serial receive event.
void SplitDataReadData(const QByteArray& reply);

// Clears the status line's report of a dropped reading, when it shows one (a good reading,
// a new start).
void ClearDroppedReadingText();

// Makes SplitDataReadData the link's handler of command-2 replies.
void RegisterLiveReplyHandler();
