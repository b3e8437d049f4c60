#include "shell/dialogs/step_up_down.h"

#include "link/monitor_session.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

StepUpDown::StepUpDown(QLineEdit* buddy, QWidget* parent) : QWidget(parent), buddy_(buddy) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Up = new QToolButton(this);
    Up->setArrowType(Qt::UpArrow);
    Up->setAutoRepeat(true);
    Down = new QToolButton(this);
    Down->setArrowType(Qt::DownArrow);
    Down->setAutoRepeat(true);
    for (QToolButton* arrow : {Up, Down}) {
        arrow->setFixedSize(18, 12);
        layout->addWidget(arrow);
    }
    connect(Up, &QToolButton::clicked, this, &StepUpDown::StepUp);
    connect(Down, &QToolButton::clicked, this, &StepUpDown::StepDown);
}

void StepUpDown::SetLimits(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
}

void StepUpDown::StepUp() {
    step(1);
}

void StepUpDown::StepDown() {
    step(-1);
}

void StepUpDown::SetNames(const QString& boxName) {
    Up->setAccessibleName(boxName + QStringLiteral(" +1"));
    Up->setToolTip(Up->accessibleName());
    Down->setAccessibleName(boxName + QStringLiteral(" -1"));
    Down->setToolTip(Down->accessibleName());
}

void StepUpDown::step(int by) {
    const int value = qBound(lower_, StepValue(buddy_->text()) + by, upper_);
    buddy_->setText(QString::number(value));
    emit Changed();
}
