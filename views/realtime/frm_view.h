#pragma once

#include "data/live/realtime_hooks.h"

#include <QWidget>

#include <array>

class BarMeter;
class ChartWidget;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class VectorDrawing;

// The real-time view: the trend chart of the live readings across the top with its options
// beside it, the three-axis vector drawing with its nine scale buttons, and the measures
// frame with the four bar meters, their values and the start and stop buttons. One
// instance, reached as Window<frmView>().
class frmView : public QWidget {
    Q_OBJECT
public:
    explicit frmView(QWidget* parent = nullptr);
    ~frmView() override;

    void Form_Load();
    void Form_Activate();
    // Polling stopped (once its outstanding reply is in) and the log closed. Runs once, at
    // the close or when the window is unloaded at shutdown.
    void Form_Unload();
    bool Unloading() const { return unloading_; }
    // The window's size at load: a child frame opens at it.
    QSize sizeHint() const override;

    void btnStartRealTime_Click();
    void btnStopRealTime_Click();
    void chkAxisType_Click();
    void chkShowTrace_Click(int index);
    void MoltButton_Click(int index);

    // The axes drawn again for the present size, then the vector of 0, 0, 0.
    void PreparaDisegno();
    // One reading drawn: the vector, the captions and the meters; with append it also joins
    // the trend chart.
    void AggiornaDisegno(double x, double y, double z, bool append);
    // The meters' scales painted again in their ranges' colours, with their labels.
    void VMeterFill();
    // The latest live reading drawn and appended (the live decoder's call).
    void DrawLatestReading();
    // The trend chart's four series emptied (a start).
    void ClearTrend();
    void ShowPolling(PollingShown shown);

    ChartWidget* teeRealEvolution = nullptr;
    QGroupBox* fmeControl = nullptr;
    std::array<QLabel*, 4> Label1{};
    std::array<QFrame*, 4> shpLine{};
    std::array<QCheckBox*, 3> chkShowTrace{};
    QCheckBox* chkAxisType = nullptr;
    QCheckBox* chkBeeper = nullptr;
    VectorDrawing* Disegno = nullptr;
    QLabel* Punto = nullptr;
    std::array<QPushButton*, 9> MoltButton{};
    QButtonGroup* scaleGroup = nullptr;
    QLabel* lblScale = nullptr;
    QFrame* shpScale = nullptr;
    QGroupBox* fmeMeasures = nullptr;
    std::array<QLabel*, 4> Pval{};
    std::array<BarMeter*, 4> VMeter{};
    std::array<QLabel*, 4> VMStart{};
    std::array<QLabel*, 4> VMStop{};
    QPushButton* btnStartRealTime = nullptr;
    QPushButton* btnStopRealTime = nullptr;
    QLabel* imgStato = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Resize();
    int controlFrameWidth() const;
    void layOutMeasures();
    void setStatusPicture(int picture);

    QScrollArea* controlScroll_ = nullptr;
    bool unloading_ = false;
    bool loaded_ = false;
};
