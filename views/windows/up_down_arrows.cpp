#include "views/windows/up_down_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDownArrows::UpDownArrows(QSize arrowSize, bool takesFocus, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Up = new QToolButton(this);
    Up->setArrowType(Qt::UpArrow);
    Down = new QToolButton(this);
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {Up, Down}) {
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(arrowSize);
        if (!takesFocus)
            arrow->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(arrow);
    }
}

void UpDownArrows::SetNames(const QString& boxName) {
    Up->setAccessibleName(boxName + QStringLiteral(" +1"));
    Up->setToolTip(Up->accessibleName());
    Down->setAccessibleName(boxName + QStringLiteral(" -1"));
    Down->setToolTip(Down->accessibleName());
}
