#pragma once

#include "views/graphs/graph_window.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The RF graph window: the RF channel of the current data set against sample time, built
// like the time-evolution window with one series: its legend row and hide box, the zoom
// undo, the threshold line, the cross-hair and the click to the data-table row, and the
// toolbar (save as picture, print, close).
class frmGraphRf : public CrosshairGraphWindow {
    Q_OBJECT
public:
    explicit frmGraphRf(QWidget* parent = nullptr);
    ~frmGraphRf() override;

    void Form_Load();
    void chkHidePlot_Click(int index);
    // By button index: 2 save the picture, 3 print, 5 close.
    void tbrGraphTe_ButtonClick(int index) { ToolbarButtonClick(index); }

    ChartWidget* teeEvolution = chart_;
    QToolBar* tbrGraphTe = toolbar_;
    QLabel* lblDescrizione[1] = {};
    QFrame* Linea[1] = {};
    QCheckBox* chkHidePlot[1] = {};
    QPushButton* btnFullScale = nullptr;
};

// True from the end of the window's load to its unload.
bool GraphRfOpen();
