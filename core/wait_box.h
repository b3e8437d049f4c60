#pragma once

#include <QString>

#include <functional>

// The wait box that long transfers show (the memory download, the block download, the
// station import). Any layer may call these; the shell registers the box behind them, so
// a caller below the shell never reaches a window directly. Until one is registered
// every call does nothing.
struct WaitBoxHooks {
    std::function<void(const QString& text)> Show; // empty text: the box's own caption
    std::function<void(const QString& text)> SetText;
    std::function<void(int twips)> Step; // moves the marker and repaints it at once
    std::function<void()> Hide;
};
WaitBoxHooks& WaitBoxHook();

// Shows the box over the main window with text in its label (empty keeps the default).
void ShowWaitBox(const QString& text = QString());
// Replaces the label's text while the box is up.
void SetWaitBoxText(const QString& text);
// Moves the marker by twips in its current direction; it bounces at both ends of the bar.
// Callers that poll without returning to the event loop still see it move.
void StepWaitBox(int twips);
// Takes the box away; the only close the box accepts.
void HideWaitBox();

// Shows the box for one transfer and takes it away on every way out of the scope.
class WaitBoxScope {
public:
    explicit WaitBoxScope(const QString& text = QString()) { ShowWaitBox(text); }
    ~WaitBoxScope() { HideWaitBox(); }
    WaitBoxScope(const WaitBoxScope&) = delete;
    WaitBoxScope& operator=(const WaitBoxScope&) = delete;
};
