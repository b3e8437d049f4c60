#pragma once

#include "views/table/chart_row_link.h"

#include <QString>
#include <QWidget>

class ChartWidget;
class QAction;
class QGroupBox;
class QScrollArea;
class QToolBar;
class QVBoxLayout;

// What sets one graph window apart from the others in the parts they share.
struct GraphWindowKind {
    const char* formName;
    int captionId;
    const char* chartName;
    const char* toolbarName;
    // The save-picture dialog's title and filter.
    int pictureTitleId;
    QString (*pictureFilter)();
    // Which chart the printed page carries.
    const char* printCode;
};

// The frame every graph window is built on: the chart on the left, the control frame on the
// right (scrolled when the window is lower than its controls), the frame's toolbar with the
// buttons of every data window (save as picture, print, close) and the caption with the
// file name on activation. Each window adds its own controls to the frame.
class GraphWindow : public QWidget {
    Q_OBJECT
public:
    ~GraphWindow() override;

    void Form_Activate();
    // By button index: 2 save the picture, 3 print, 5 close.
    void ToolbarButtonClick(int index);
    QAction* Button(int index) const;

    QGroupBox* fmeControl = nullptr;

protected:
    GraphWindow(QWidget* parent, const GraphWindowKind& kind);

    // The frame's layout, the toolbar at its top, centred.
    QVBoxLayout* NewFrameLayout();
    // The chart and the scrolled frame side by side; called once the frame's controls stand.
    void PlaceChartAndFrame();
    // The language's texts on the window and the toolbar's buttons.
    void LoadFormAndToolbar();
    // The frame as wide as its widest caption or button needs in the style it is shown in,
    // at least the frame's own width, the toolbar keeping room for all its buttons.
    void FitControlFrame();

    ChartWidget* chart_ = nullptr;
    QToolBar* toolbar_ = nullptr;

private:
    const GraphWindowKind kind_;
    QAction* buttons_[7] = {};
    QScrollArea* controlScroll_ = nullptr;
};

// A graph window whose cross-hair follows the data table and whose zoom can be undone.
class CrosshairGraphWindow : public GraphWindow, public CrosshairChart {
    Q_OBJECT
public:
    void btnFullScale_Click();

    qint32 PointCount(int series) const override;
    bool SeriesShown(int series) const override;
    void ShowCrosshair(int series, qint32 point) override;
    void HideCrosshair() override;
    bool CrosshairVisible() const;

protected:
    CrosshairGraphWindow(QWidget* parent, const GraphWindowKind& kind);
    void resizeEvent(QResizeEvent* event) override;
};
