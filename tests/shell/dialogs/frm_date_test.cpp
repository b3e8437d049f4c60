#include "data/upload/upload_hooks.h"
#include "shell/dialogs/frm_date.h"
#include "tests/support/calendar_typing.h"
#include "tests/support/default_locale.h"
#include "tests/support/fake_clock.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"
#include "text/typed_date.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
// The dialog in Italian dates, on a clock standing at 10 December 2026 09:15:20.
class DateDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        clock.now = NaiveDateTime(2026, 12, 10, 9, 15, 20);
        dialog.Form_Load();
        dialog.show();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    LanguageScope language;
    FakeClock clock;
    frmDate dialog;
};

TEST_F(DateDialogTest, OpensAtTodayAndNow) {
    EXPECT_EQ(dialog.lblDate->text(), QStringLiteral("10/12/2026"));
    EXPECT_EQ(dialog.dtpTime->time(), QTime(9, 15, 20));
    EXPECT_TRUE(dialog.monDate->isHidden());
    EXPECT_EQ(dialog.windowTitle(), ResString(3827));
    EXPECT_EQ(dialog.btnDate->accessibleName(), ResString(3830));
}

// A screen reader reads the date itself; "Data:" beside it describes it.
TEST_F(DateDialogTest, TheDateReadsOutAsItself) {
    QAccessible::setActive(true);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(dialog.lblDate);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("10/12/2026"));
    EXPECT_EQ(face->text(QAccessible::Description), dialog.lblDateText->text());
    EXPECT_FALSE(dialog.lblDateText->text().isEmpty());
    EXPECT_EQ(dialog.lblDateText->buddy(), dialog.lblDate);
}

// Every way out without a date gives 1 January 2001, the answer the caller takes as none.
TEST(DateDialogAnswer, NoDateGivesTheFirstOfJanuary2001) {
    LanguageScope language;
    FakeClock clock;
    clock.now = NaiveDateTime(2026, 12, 10, 9, 15, 20);
    const QDateTime none = NaiveDateTime(2001, 1, 1);
    ASSERT_EQ(NoDateAnswer(), none);
    const struct {
        const char* name;
        std::function<void(frmDate&)> leave;
    } cases[] = {
        {"Annulla", [](frmDate& d) { d.btnAnnulla->click(); }},
        {"Escape", [](frmDate& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](frmDate& d) { d.close(); }},
        {"OK with no date",
         [](frmDate& d) {
             d.lblDate->setText(QStringLiteral("no date"));
             d.btnOk->click();
         }},
    };
    for (const auto& c : cases) {
        frmDate dialog;
        dialog.Form_Load();
        dialog.show();
        c.leave(dialog);
        EXPECT_FALSE(dialog.isVisible()) << c.name;
        EXPECT_EQ(dialog.StartDate(), none) << c.name;
    }
}

TEST(DateDialogAnswer, TheLabelsDateAtThePickedTime) {
    const QLocale italian(QStringLiteral("it_IT"));
    const struct {
        const char* label;
        QTime time;
        QDateTime answer;
    } cases[] = {
        {"15/03/2014", QTime(8, 30, 5), NaiveDateTime(2014, 3, 15, 8, 30, 5)},
        {"29/02/2012", QTime(0, 0), NaiveDateTime(2012, 2, 29)},
        {"31/12/2099", QTime(23, 59, 59), NaiveDateTime(2099, 12, 31, 23, 59, 59)},
        {"31/02/2014", QTime(8, 30, 5), NoDateAnswer()},
        {"", QTime(8, 30, 5), NoDateAnswer()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateDialogAnswer(QString::fromLatin1(c.label), c.time, italian), c.answer)
            << c.label;
}

TEST_F(DateDialogTest, APickedDayAndTimeAreTheAnswer) {
    dialog.btnDate->click();
    ASSERT_FALSE(dialog.monDate->isHidden());
    EXPECT_EQ(dialog.monDate->selectedDate(), QDate(2026, 12, 10));
    emit dialog.monDate->clicked(QDate(2014, 3, 15));
    EXPECT_TRUE(dialog.monDate->isHidden());
    EXPECT_EQ(dialog.lblDate->text(), QStringLiteral("15/03/2014"));
    dialog.dtpTime->setTime(QTime(8, 30, 5));
    dialog.btnOk->click();
    EXPECT_EQ(dialog.StartDate(), NaiveDateTime(2014, 3, 15, 8, 30, 5));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Reopening the calendar starts at the chosen date; closing it without a choice keeps it.
TEST_F(DateDialogTest, ClosingTheCalendarWithoutAChoiceKeepsTheDate) {
    dialog.btnDate->click();
    emit dialog.monDate->clicked(QDate(2014, 3, 15));
    dialog.btnDate->click();
    EXPECT_FALSE(dialog.monDate->isHidden());
    EXPECT_EQ(dialog.monDate->selectedDate(), QDate(2014, 3, 15));
    dialog.monDate->setSelectedDate(QDate(2014, 4, 1)); // browsing is no choice
    dialog.btnDate->click();
    EXPECT_TRUE(dialog.monDate->isHidden());
    EXPECT_EQ(dialog.lblDate->text(), QStringLiteral("15/03/2014"));
}
} // namespace

// A date typed on the open calendar is the typed date or none at all: OK never hands a date
// misread from the typed text to the download.
TEST(DateDialogCalendar, ADateTypedOnTheCalendarIsReadRightOrNotAtAll) {
    LanguageScope language;
    FakeClock clock;
    clock.now = NaiveDateTime(2026, 12, 10, 9, 15, 20);
    const QDate today(2026, 12, 10);
    const QDate typed = CalendarTypedDate;
    for (const auto& c : CalendarTypings) {
        const DefaultLocale locale{QLocale(QLatin1String(c.locale))};
        frmDate dialog;
        dialog.Form_Load();
        dialog.show();
        dialog.btnDate->click();
        ASSERT_FALSE(dialog.monDate->isHidden());
        TypeOnCalendar(dialog.monDate, QLatin1String(c.typed));
        const QDate label = ReadTypedDate(dialog.lblDate->text());
        EXPECT_TRUE(label == today || label == typed)
            << c.locale << " " << c.typed << ": " << dialog.lblDate->text().toStdString();
        dialog.btnOk->click();
        const QDate answer = dialog.StartDate().date();
        EXPECT_TRUE(answer == today || answer == typed)
            << c.locale << " " << c.typed << ": " << answer.toString(Qt::ISODate).toStdString();
    }
}
