#include "views/realtime/realtime_layout.h"

#include <algorithm>

RealTimeLayout ComputeRealTimeLayout(const RealTimeLayoutInput& in) {
    RealTimeLayout out;
    const int W = in.Width, H = in.Height;
    const int block = W > 440 ? W - in.MeasuresWidth : 240;

    const int chartTop = 1;
    const int chartHeight = std::max(1, static_cast<int>(H * 0.3) - 1);
    out.Chart = QRect(0, chartTop, std::max(1, W - in.ControlWidth - 20), chartHeight);
    out.Control = QRect(out.Chart.right() + 1 + 10, chartTop, in.ControlWidth, chartHeight);

    int drawWidth = block - in.ButtonWidth - 2;
    int drawHeight = drawWidth + 10;
    const int room = H - (chartTop + chartHeight + 10);
    if (room < drawHeight) {
        drawHeight = room;
        drawWidth = drawHeight - 10;
    }
    drawHeight = std::max(drawHeight, MinimumDrawHeight);
    drawWidth = std::max(drawWidth, MinimumDrawHeight - 10);
    out.DrawWidth = drawWidth;
    out.DrawHeight = drawHeight;
    out.AxisLength = drawHeight - 30;

    const int top = chartHeight + 2;
    out.Drawing = QRect(0, top, drawWidth, drawHeight + 10);
    const int column = drawWidth + 2;
    for (int i = 0; i < 9; ++i)
        out.ScaleButtons[static_cast<size_t>(i)] =
            QRect(column, top + 2 + i * in.ButtonHeight, in.ButtonWidth, in.ButtonHeight);
    out.ScaleCaption = QRect(column, top + 2 + 9 * in.ButtonHeight + 2, in.ButtonWidth, 16);
    out.ScaleFrame =
        QRect(column - 1, top + 1, in.ButtonWidth + 2, out.ScaleCaption.bottom() - top + 2);

    const int left = column + in.ButtonWidth + 4;
    const int measuresHeight = std::max(40, H - top - in.ButtonHeight - 10);
    out.Measures = QRect(left, top, std::max(40, W - left - 2), measuresHeight);
    const int below = out.Measures.bottom() + 1;
    const int buttonWidth = std::max(20, (out.Measures.width() - in.ImageWidth) / 2 - 2);
    out.Start = QRect(out.Measures.left() + 2, below + 5, buttonWidth, in.ButtonHeight);
    out.Image = QRect(out.Start.right() + 1, below + 8, in.ImageWidth, in.ButtonHeight - 6);
    out.Stop = QRect(out.Image.right() + 2, below + 5, buttonWidth, in.ButtonHeight);
    return out;
}
