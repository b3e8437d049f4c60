#pragma once

#include "shell/panes/bounce_marker.h"

#include <QWidget>

class QLabel;

// The bar of the wait box with its moving block.
class WaitBar : public QWidget {
    Q_OBJECT
public:
    explicit WaitBar(QWidget* parent = nullptr);
    // Moves the block by twips and paints it at once: the callers keep working without
    // returning to the event loop in between.
    void Step(int twips);
    const BounceMarker& Marker() const { return marker_; }
    int InnerWidthTwips() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BounceMarker marker_;
};

// The small box shown over the main window while a long transfer runs. It has no
// progress figure: its block moves so the user sees the program is alive. Only the
// program takes it away; the close box and the session ending leave it on screen.
class frmWait : public QWidget {
    Q_OBJECT
public:
    explicit frmWait(QWidget* parent = nullptr);

    QLabel* lblProgress() const { return lblProgress_; }
    WaitBar* pctProgress() const { return pctProgress_; }

    void SetText(const QString& text); // empty restores the box's own text
    void Step(int twips) { pctProgress_->Step(twips); }
    // The program's own close: the only one the box accepts.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lblProgress_;
    WaitBar* pctProgress_;
    bool unloading_ = false;
};

// The one box of the running transfer, or null while none is shown.
frmWait* WaitBoxWindow();
// Shows the box (creating it over the main window) and takes it away; these stand
// behind ShowWaitBox, StepWaitBox and HideWaitBox once RegisterWaitBox has run.
void RegisterWaitBox();
