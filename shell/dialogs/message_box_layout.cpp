#include "shell/dialogs/message_box_layout.h"

#include <algorithm>

int MessageLabelWidth(const MessageBoxMetrics& m) {
    return std::max(1, m.innerWidth - (MessageBoxMargin + m.icon.width() + MessageBoxGap) -
                           MessageBoxMargin);
}

MessageBoxPlacement PlaceMessageBox(const MessageBoxMetrics& m) {
    MessageBoxPlacement p;
    const int bandHeight = std::max(m.icon.height(), m.messageHeight) + 2 * MessageBoxMargin;
    const int buttonTop = bandHeight;
    // Centred in the band above the buttons; the message sits one pixel higher, as the
    // label's own border allows.
    const int messageTop = (buttonTop - m.messageHeight - 1) / 2;
    const int iconTop = (buttonTop - m.icon.height()) / 2;
    p.icon = QRect(QPoint(MessageBoxMargin, iconTop), m.icon);
    p.message = QRect(MessageBoxMargin + m.icon.width() + MessageBoxGap, messageTop,
                      MessageLabelWidth(m), m.messageHeight);
    const int centre = m.innerWidth / 2;
    if (m.singleButton) {
        p.ok = QRect(QPoint(centre - m.button.width() / 2, buttonTop), m.button);
    } else if (m.threeButtons) {
        const int half = m.button.width() / 2;
        p.no = QRect(QPoint(centre - half, buttonTop), m.button);
        p.ok = QRect(QPoint(p.no.left() - MessageBoxGap - m.button.width(), buttonTop), m.button);
        p.cancel =
            QRect(QPoint(p.no.left() + m.button.width() + MessageBoxGap, buttonTop), m.button);
    } else {
        p.ok = QRect(QPoint(centre - MessageBoxGap / 2 - m.button.width(), buttonTop), m.button);
        p.cancel = QRect(QPoint(centre + MessageBoxGap / 2, buttonTop), m.button);
    }
    p.innerSize = QSize(m.innerWidth, buttonTop + m.button.height() + MessageBoxGap);
    return p;
}
