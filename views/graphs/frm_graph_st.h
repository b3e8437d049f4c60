#pragma once

#include "views/graphs/graph_window.h"

class LimitBox;
class LimitUpDown;
class QComboBox;
class QLabel;
class QPushButton;

// The statistics graph window: the histogram of the resultant of the current data set, the
// share in percent of the samples in each class between a lower and an upper limit, with
// the limits (0 to 50 µT) and the number of classes (3 to 11) in a control frame and a
// toolbar (save as picture, print, close).
class frmGraphSt : public GraphWindow {
    Q_OBJECT
public:
    explicit frmGraphSt(QWidget* parent = nullptr);
    ~frmGraphSt() override;

    void Form_Load();
    // Recomputes the classes from the limits and the class count and redraws.
    void btnRefresh_Click();
    // By button index: 2 save the picture, 3 print, 5 close.
    void tbrGraphSt_ButtonClick(int index) { ToolbarButtonClick(index); }

    ChartWidget* teeStatistics = chart_;
    QToolBar* tbrGraphSt = toolbar_;
    QLabel* lblText[3] = {};
    LimitBox* txtMinValue = nullptr;
    LimitBox* txtMaxValue = nullptr;
    LimitUpDown* updMin = nullptr;
    LimitUpDown* updMax = nullptr;
    QComboBox* cboNumClassi = nullptr;
    QPushButton* btnRefresh = nullptr;

private:
    void draw(float minValue, float maxValue, int classes);
};

// True from the end of the window's load to its unload.
bool GraphStOpen();

// The statistics window's picture filter: JPEG picture and SVG drawing (fixed texts).
QString GraphStPictureFilter();
