#pragma once

#include <QRect>

#include <array>

// The real-time view's layout rule, from its inner size in pixels. The trend chart and its
// options frame take the top 30 %; below them the drawing with its column of nine scale
// buttons, and the measures frame with the start and stop buttons under it. Above 440
// pixels of width the measures frame is 200 wide, or as wide as the two buttons' captions
// need; below, the drawing block keeps 240. The
// drawing is square (ten pixels higher than wide) and shrinks to the room under the chart.
struct RealTimeLayoutInput {
    int Width = 600;
    int Height = 410;
    int ControlWidth = 130;  // the chart options frame
    int ButtonWidth = 34;    // a scale button
    int ButtonHeight = 24;   // a scale button, and the start and stop buttons
    int ImageWidth = 20;     // the status picture between start and stop
    int MeasuresWidth = 200; // the measures frame above 440 pixels of width
};

struct RealTimeLayout {
    QRect Chart;
    QRect Control;
    QRect Drawing; // DrawWidth x (DrawHeight + 10)
    std::array<QRect, 9> ScaleButtons;
    QRect ScaleFrame; // around the buttons and the unit caption
    QRect ScaleCaption;
    QRect Measures;
    QRect Start, Image, Stop;
    int DrawWidth = 0;
    int DrawHeight = 0;
    int AxisLength = 0;
};

// The smallest drawing kept however small the window (the axes need room for their heads).
inline constexpr int MinimumDrawHeight = 60;

RealTimeLayout ComputeRealTimeLayout(const RealTimeLayoutInput& in);
