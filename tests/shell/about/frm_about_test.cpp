#include "core/options.h"
#include "platform/program_version.h"
#include "shell/about/frm_about.h"
#include "shell/about/frm_hidden.h"
#include "tests/support/default_locale.h"
#include "tests/support/fake_ui.h"
#include "tests/support/language_scope.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        OptionsStore() = OptionsState{};
        SetDefaultOptions(Options());
    }
    void TearDown() override { OptionsStore() = OptionsState{}; }

    std::unique_ptr<frmAbout> open() {
        auto box = std::make_unique<frmAbout>();
        box->Form_Load();
        return box;
    }

    LanguageScope language{1};
    FakeUi ui;
    DefaultLocale cLocale{QLocale::c()}; // the figures below are the C locale's
};
} // namespace

TEST_F(AboutBox, ShowsVersionMemoryAndTheFixedTexts) {
    struct Case {
        qint32 bytes;
        const char* label;
    };
    const Case cases[] = {{4096, "Memory : 32 Kbit"},
                          {8192, "Memory : 64 Kbit"},
                          {32768, "Memory : 256 Kbit"},
                          {65536, "Memory : 512 Kbit"},
                          {2147483647, "Memory : 16777215.9921875 Kbit"}};
    for (const Case& c : cases) {
        Options().MemorySize = c.bytes;
        const auto box = open();
        EXPECT_EQ(box->lblEEprom->text(), QString::fromUtf8(c.label));
    }
    const auto box = open();
    const ProgramVersion v = ProgramVersionNumbers();
    EXPECT_EQ(box->lblVersion->text(),
              QStringLiteral("KL720 Version : %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About Corvanel..."));
    EXPECT_EQ(box->lblDescription->text(),
              QStringLiteral("Description:  This product is inteded to help anyone has the need "
                             "to measure and monitor Magnetic fields."));
    EXPECT_EQ(box->lblComeTo->text(), QStringLiteral("Warning:"));
    EXPECT_FALSE(box->Label1->text().isEmpty());
    EXPECT_FALSE(box->pctLogo->pixmap().isNull());
    EXPECT_EQ(box->btnOk->accessibleName(), QStringLiteral("OK"));
}

TEST_F(AboutBox, OkShowsTheCreditsOnlyAfterTheCodeWithShiftAndCtrlHeld) {
    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    struct Case {
        const char* typed;
        Qt::KeyboardModifiers held;
        bool credits;
    };
    const Case cases[] = {
        {"quoxbet", both, true},
        {"quoxbet", both | Qt::AltModifier, true},
        {"quoxbet", Qt::NoModifier, false},
        {"quoxbet", Qt::ShiftModifier, false},
        {"quoxbet", Qt::ControlModifier, false},
        {"", both, false},
        {"quoxbe", both, false},
        {"quoxzbet", both, false},
        {"quoxbetzz", both, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui.modalCalls.clear();
        ui.modifiers = c.held;
        const auto box = open();
        // Typed at whichever control has the focus: each key counts once.
        QTest::keyClicks(box->btnOk, QString::fromLatin1(c.typed));
        box->btnOk->click();
        EXPECT_EQ(ui.modalCalls.size(), c.credits ? 1 : 0);
        if (c.credits)
            EXPECT_EQ(ui.modalCalls[0], QStringLiteral("frmHidden"));
        EXPECT_EQ(box->result(), QDialog::Accepted) << "the about box always closes";
    }
}

TEST_F(AboutBox, KeysCountOnceWhereverTheFocusIs) {
    const auto box = open();
    QTest::keyClicks(box.get(), QStringLiteral("quox"));
    EXPECT_EQ(box->Code().Count(), 4);
    // Shown, with the focus on OK: a key the button passes on to the box counts once.
    box->show();
    QApplication::setActiveWindow(box.get());
    box->btnOk->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box->btnOk);
    QTest::keyClicks(box->btnOk, QStringLiteral("be"));
    EXPECT_EQ(box->Code().Count(), 6);
    QTest::keyClicks(box->btnOk, QStringLiteral("t"));
    EXPECT_TRUE(box->Code().Complete());
    box->close();
    // A fresh box starts from nothing.
    EXPECT_EQ(open()->Code().Count(), 0);
}

TEST(CreditsWindow, OurCreditsAndPicturesClosedByItsButton) {
    LanguageScope language(1);
    frmHidden credits;
    EXPECT_EQ(credits.Label1->text(), QStringLiteral("This software was realized by:"));
    for (QLabel* line : credits.Credits)
        EXPECT_FALSE(line->text().isEmpty());
    EXPECT_FALSE(credits.Picture1->pixmap().isNull());
    EXPECT_FALSE(credits.Picture2->pixmap().isNull());
    EXPECT_EQ(credits.Command1->text(), QStringLiteral("Back to Work!!"));
    credits.show();
    credits.Command1->click();
    EXPECT_FALSE(credits.isVisible());
    EXPECT_EQ(credits.result(), QDialog::Accepted);
}
