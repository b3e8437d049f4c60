#pragma once

#include <QRect>
#include <QSize>

// Where the message box puts its icon, its message and its buttons (pixels). The icon and
// the message are centred in the band above the buttons; a single button stands in the
// horizontal centre, two or three buttons stand side by side about it.
struct MessageBoxMetrics {
    int innerWidth = 400; // the window's inner width
    QSize icon{32, 32};
    int messageHeight = 0; // the message's height at the label's width
    QSize button{90, 26};
    bool singleButton = true;
    bool threeButtons = false; // Yes, No and Cancel (singleButton false)
};

struct MessageBoxPlacement {
    QRect icon;
    QRect message;
    QRect ok;
    QRect no;        // the middle one of three buttons; empty for fewer
    QRect cancel;    // empty for a single button
    QSize innerSize; // the window's inner size
};

inline constexpr int MessageBoxMargin = 16;
inline constexpr int MessageBoxGap = 12;

// The label's width for a window of that inner width (icon at the left).
int MessageLabelWidth(const MessageBoxMetrics& metrics);
MessageBoxPlacement PlaceMessageBox(const MessageBoxMetrics& metrics);
