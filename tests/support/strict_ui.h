#pragma once

#include "tests/support/fake_ui.h"

// The fake UI services for a test that reads no error report: an error report (the critical
// box of ErrHandler) fails the test where it is shown, naming what it says, unless the test
// declared it beforehand with ExpectErrorReports. Everything else is as FakeUi has it.
class StrictUi : public FakeUi {
public:
    ~StrictUi() override;
    bool StandardBox(const QString& text, const QString& title, StandardIcon icon,
                     StandardButtons buttons) override;
    // The next count error reports are the test's own: they pass, and the test fails at the
    // end when fewer came.
    void ExpectErrorReports(int count) { expected_ += count; }

private:
    int expected_ = 0;
};
