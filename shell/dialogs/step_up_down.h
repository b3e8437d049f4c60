#pragma once

#include "views/windows/up_down_arrows.h"

class QLineEdit;

// The up-down beside the step box: its arrows move the box's whole-number value by one
// inside the limits, and tell of each change.
class StepUpDown : public UpDownArrows {
    Q_OBJECT
public:
    StepUpDown(QLineEdit* buddy, QWidget* parent = nullptr);
    void SetLimits(int lower, int upper);
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    void StepUp();
    void StepDown();

signals:
    // The box holds a new value put there by the arrows.
    void Changed();

private:
    void step(int by);

    QLineEdit* buddy_;
    int lower_ = 1;
    int upper_ = 99;
};
