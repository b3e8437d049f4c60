#pragma once

#include "views/graphs/graph_builders.h"
#include "views/graphs/graph_window.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The time-evolution graph window: the x, y, z and resultant curves of the current data set
// against sample time, with its own legend and hide boxes, a logarithmic switch, the zoom
// undo, the RF button and a toolbar (save as picture, print, close).
class frmGraphTe : public CrosshairGraphWindow {
    Q_OBJECT
public:
    explicit frmGraphTe(QWidget* parent = nullptr);
    ~frmGraphTe() override;

    void Form_Load();
    void btnShowRf_Click();
    void chkLogaritmic_Click();
    void chkHidePlot_Click(int index);
    // By button index: 2 save the picture, 3 print, 5 close.
    void tbrGraphTe_ButtonClick(int index) { ToolbarButtonClick(index); }

    // The switches the chart follows (log axis, hidden series).
    GraphSwitches Switches() const;

    // The cross-hair through point p of a series (sample p + 1); hidden for a gap.
    void SetCrossHair(qint32 point, int series = 3);

signals:
    // The user clicked point valueIndex (sample valueIndex + 1) of the resultant.
    void PointClicked(qint32 valueIndex);

public:
    ChartWidget* teeEvolution = chart_;
    QToolBar* tbrGraphTe = toolbar_;
    QLabel* lblDescrizione[4] = {};
    QFrame* Linea[4] = {};
    QCheckBox* chkHidePlot[4] = {};
    QCheckBox* chkLogaritmic = nullptr;
    QPushButton* btnFullScale = nullptr;
    QPushButton* btnShowRf = nullptr;

private:
    void rebuild();
};

// The loaded window, or nullptr.
frmGraphTe* GraphTeWindow();
// The window, created and loaded on first use.
frmGraphTe& LoadGraphTe();
// Loads the window if needed and shows it as a child of the main window (or alone).
frmGraphTe& ShowGraphTe();
// Unloads the window when it is loaded.
void CloseGraphTe();
// True from the end of the window's load to its unload.
bool GraphTeOpen();
