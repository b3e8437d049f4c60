#pragma once

#include "shell/panes/info_view.h"

#include <QWidget>

class QGroupBox;
class QLabel;

// The information pane that the main window hands to its dock host: the current data set
// (or the live readings while the real-time view is in front), the instrument's
// monitoring state and the link. Its close box only hides it through the dock host; the
// program's own unload at shutdown destroys it.
class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent = nullptr);

    // Shows a view; the empty optionals leave their labels and pictures as they are.
    void Apply(const InfoView& view);
    // The program's own unload at shutdown.
    void Unload();

    QLabel* lblShortID() const { return shortId_; }
    QLabel* lblLongID() const { return longId_; }
    QLabel* lblNumData() const { return count_; }
    QLabel* lblDataSource() const { return source_; }
    QLabel* lblStartDate() const { return start_; }
    QLabel* lblStopDate() const { return end_; }
    QLabel* lblStep() const { return step_; }
    QLabel* lblValue(int index) const { return values_[index]; }
    QLabel* imgDataPresent() const { return dataPresent_; }
    QLabel* imgSaved() const { return saved_; }
    QLabel* lblCommStatus() const { return commStatus_; }
    QLabel* lblMonitorStatus() const { return monitorStatus_; }
    // Which pictures show (for the tests and the print-out of the pane's state).
    bool ShowsDataPresent() const { return showsDataPresent_; }
    bool ShowsSaved() const { return showsSaved_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* shortId_;
    QLabel* longId_;
    QLabel* count_;
    QLabel* source_;
    QLabel* start_;
    QLabel* end_;
    QLabel* step_;
    QLabel* values_[4];
    QLabel* dataPresent_;
    QLabel* saved_;
    QLabel* commStatus_;
    QLabel* monitorStatus_;
    bool showsDataPresent_ = false;
    bool showsSaved_ = false;
    bool unloading_ = false;
};

// The form name under which the dock host knows the pane.
inline constexpr const char* InfoPaneName = "frmInfo";

// The main window loads the pane once, at its own load, and hands it to its dock host.
frmInfo* LoadInfoPane(QWidget* mainWindow);
// The pane, created on first use.
frmInfo& InfoWindow();
// True while the pane exists.
bool InfoWindowLoaded();
