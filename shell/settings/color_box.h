#pragma once

#include <QAbstractButton>

// A colour box of the settings dialog: a small field filled with its colour, clicked (or
// pressed with the space bar) to choose another.
class ColorBox : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    // The colour as the options record keeps it (red in the low byte).
    quint32 Color() const { return color_; }
    void SetColor(quint32 color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 color_ = 0;
};
