#include "tests/support/strict_ui.h"

#include "core/error_report.h"

#include <gtest/gtest.h>

StrictUi::~StrictUi() {
    EXPECT_EQ(expected_, 0) << "error reports declared but not shown";
}

bool StrictUi::StandardBox(const QString& text, const QString& title, StandardIcon icon,
                           StandardButtons buttons) {
    const bool report =
        icon == StandardIcon::Critical &&
        (title == ErrorReportTitle() || text.startsWith(QStringLiteral("Error on Error Handler")));
    if (report) {
        if (expected_ > 0)
            --expected_;
        else
            ADD_FAILURE() << "an error report no test declared: " << text.toStdString();
    }
    return FakeUi::StandardBox(text, title, icon, buttons);
}
