#pragma once

#include "views/realtime/realtime_drawing.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The drawing area of the real-time view: the axes, painted once per layout into a picture
// of their own, and the vector of the latest reading over them. A new reading repaints only
// the part of the area the old and the new vector cover.
class VectorDrawing : public QWidget {
public:
    explicit VectorDrawing(QWidget* parent = nullptr);

    // Clears the area and draws the axes, heads, ticks and letters in colour.
    void SetAxes(const AxesScene& axes, const QColor& colour);
    void SetVector(const VectorScene& vector);
    const VectorScene& Vector() const { return vector_; }

    // Radius of the tip marker.
    static constexpr int TipRadius = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect covered(const VectorScene& v) const;
    void paintAxes();

    AxesScene axes_;
    QColor colour_ = Qt::black;
    QPixmap axesPicture_;
    VectorScene vector_;
    bool hasVector_ = false;
};
