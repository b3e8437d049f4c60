#pragma once

#include "link/monitor_status.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>

#include <array>
#include <functional>

class QCalendarWidget;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QToolButton;
class StepUpDown;

// The monitoring set-up dialog: the sampling step and its unit, the start (at once or at a
// date) and the stop (at a date, or when the memory is full), the instrument's state with
// the start, stop and re-read buttons, and the progress of a start. Modal; one instance,
// reached as Window<frmMonitor>() and run by ShowMonitorDialog(). Row 0 is the start, row 1
// the stop.
class frmMonitor : public QDialog {
    Q_OBJECT
public:
    explicit frmMonitor(QWidget* parent = nullptr);
    ~frmMonitor() override;

    // Reads the instrument's settings (command 10) into the dialog.
    void Form_Load();

    // What the start reads of the progress display.
    bool ReadButtonStatus() const { return wait_; }
    void SetWaitButton() { wait_ = true; }
    // Enables or greys row index (0 start, 1 stop).
    void SetStatus(int index, bool enabled);
    // The stop row after a change of the start row, the step or the unit.
    void AutoCalculateDate();
    // Progress rows before k done, row k in work (k = 0..4).
    void SetState(int k);

    // The decoded settings on screen.
    void ShowMonitorStatus(const MonitorStatusView& view);
    // The start's progress display (see MonitorStageHooks).
    void ShowProgress();
    void MarkFailed(int stage);
    // SetWaitButton, then the event loop runs until the user closes the progress.
    void WaitForClose();
    void ShowStarted();
    void HideProgress();

    void btnStartMonitor_Click();
    void btnStopMonitor_Click();
    void btnReadSettings_Click();
    void btnClose_Click();
    void btnCancel_Click();
    void btnDate_Click(int index);
    void monDate_Click(QDate date);
    void txtStepSize_Validate();
    void updStepSize_Change();
    void cboStepResolution_Click();

    // The unit code of the chosen list item; 0 when none is chosen.
    int ChosenUnit() const;
    // A row's date and time.
    QDateTime RowDateTime(int index) const;
    void SetRow(int index, const QDateTime& when);

    QGroupBox* fmeMonitor = nullptr;
    QGroupBox* fmeStep = nullptr;
    QLineEdit* txtStepSize = nullptr;
    StepUpDown* updStepSize = nullptr;
    QComboBox* cboStepResolution = nullptr;
    std::array<QGroupBox*, 2> fmeDate{};
    std::array<QRadioButton*, 2> optStartDate{};
    std::array<QRadioButton*, 2> optStopDate{};
    std::array<QFrame*, 2> shpDate{};
    std::array<QLabel*, 2> lblDateText{};
    std::array<QLabel*, 2> lblDate{};
    std::array<QToolButton*, 2> btnDate{};
    std::array<QLabel*, 2> lblTimeText{};
    std::array<QTimeEdit*, 2> dtpTime{};
    QCalendarWidget* monDate = nullptr;
    QGroupBox* fmeStatus = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* btnStartMonitor = nullptr;
    QPushButton* btnStopMonitor = nullptr;
    QPushButton* btnReadSettings = nullptr;
    QFrame* fmeProgress = nullptr;
    QLabel* lblTitle = nullptr;
    std::array<QLabel*, 4> lblText{};
    std::array<QLabel*, 4> imgStatus{};
    QPushButton* btnClose = nullptr;
    QPushButton* btnCancel = nullptr;

signals:
    void WaitEnded();

public:
    // The close box and Escape: while a start waits for the user they close the progress
    // instead, so the start always ends before the dialog goes; an open calendar goes first.
    void reject() override;

private:
    void build();
    void setStatusBack(unsigned bgr);
    void setRowStyle(int row, const char* style);
    void applyStepRules();

    std::array<QDate, 2> dates_{};
    bool wait_ = false;
    bool loaded_ = false;
    bool starting_ = false;
    int calendarRow_ = 0;
};

// Loads the dialog, runs it modally through the UI services and unloads it.
void ShowMonitorDialog();

// The pause after each progress step, without the event loop (0.3 s); tests replace it.
void SetMonitorProgressPause(std::function<void(int ms)> pause);
