#pragma once

#include <QObject>

#include <functional>

class QWidget;

// True while the window system gives the window no frame of its own (before it is shown,
// too).
bool IsUndecorated(const QWidget* window);

// The window system draws a dialog's frame; a plain X screen without a window manager
// draws none, and a dialog whose face has the colour of the window under it seems cut
// where it lies over that window's panes. While it is installed on the application, every
// dialog and every modal window that the window system leaves undecorated draws a raised
// edge of its own along its border, above its controls.
class DialogFrames final : public QObject {
    Q_OBJECT
public:
    // undecorated tells whether the window system leaves a window without a frame.
    explicit DialogFrames(QObject* parent = nullptr,
                          std::function<bool(const QWidget*)> undecorated = IsUndecorated);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QWidget*)> undecorated_;
};

// The edge drawn on that window, or null while it has none.
QWidget* DialogEdge(const QWidget* window);
