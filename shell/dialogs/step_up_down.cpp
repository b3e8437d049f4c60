#include "shell/dialogs/step_up_down.h"

#include "link/monitor_session.h"

#include <QLineEdit>
#include <QToolButton>

StepUpDown::StepUpDown(QLineEdit* buddy, QWidget* parent)
    : UpDownArrows(QSize(18, 12), true, parent), buddy_(buddy) {
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

void StepUpDown::step(int by) {
    const int value = qBound(lower_, StepValue(buddy_->text()) + by, upper_);
    buddy_->setText(QString::number(value));
    emit Changed();
}
