#pragma once

#include <QSize>
#include <QWidget>

class QString;
class QToolButton;

// The two arrows beside a number box, one above the other, repeating while held; what a
// press does is the box's owner's. takesFocus false leaves the focus in the box.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    UpDownArrows(QSize arrowSize, bool takesFocus, QWidget* parent = nullptr);
    // The arrows' accessible names and tooltips, from the box's own: "<name> +1", "<name> -1".
    void SetNames(const QString& boxName);

    QToolButton* Up = nullptr;
    QToolButton* Down = nullptr;
};
