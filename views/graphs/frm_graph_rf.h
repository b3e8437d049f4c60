#pragma once

#include "views/table/chart_row_link.h"

#include <QWidget>

class ChartWidget;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;

// The RF graph window: the RF channel of the current data set against sample time, built
// like the time-evolution window with one series: its legend row and hide box, the zoom
// undo, the threshold line, the cross-hair and the click to the data-table row, and the
// toolbar (save as picture, print, close).
class frmGraphRf : public QWidget, public CrosshairChart {
    Q_OBJECT
public:
    explicit frmGraphRf(QWidget* parent = nullptr);
    ~frmGraphRf() override;

    void Form_Load();
    void Form_Activate();
    void btnFullScale_Click();
    void chkHidePlot_Click(int index);
    // By button index: 2 save the picture, 3 print, 5 close.
    void tbrGraphTe_ButtonClick(int index);
    QAction* Button(int index) const;

    qint32 PointCount(int series) const override;
    bool SeriesShown(int series) const override;
    void ShowCrosshair(int series, qint32 point) override;
    void HideCrosshair() override;
    bool CrosshairVisible() const;

    ChartWidget* teeEvolution = nullptr;
    QGroupBox* fmeControl = nullptr;
    QToolBar* tbrGraphTe = nullptr;
    QLabel* lblDescrizione[1] = {};
    QFrame* Linea[1] = {};
    QCheckBox* chkHidePlot[1] = {};
    QPushButton* btnFullScale = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* buttons_[7] = {};
    QScrollArea* controlScroll_ = nullptr;
};

// True from the end of the window's load to its unload.
bool GraphRfOpen();
