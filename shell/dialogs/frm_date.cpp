#include "shell/dialogs/frm_date.h"

#include "core/language.h"
#include "data/upload/upload_hooks.h"
#include "platform/clock.h"
#include "platform/ui_services.h"
#include "text/date_pattern.h"
#include "text/typed_date.h"
#include "views/windows/month_calendar.h"
#include "views/windows/single_window.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum TextId {
    Caption = 3827,
    DateText = 3828,
    TimeText = 3829,
    CalendarButton = 3830,
    Calendar = 3831,
};
} // namespace

QDateTime DateDialogAnswer(const QString& dateLabel, QTime time, const QLocale& locale) {
    const QDate date = ReadTypedDate(dateLabel, locale);
    if (!date.isValid() || !time.isValid())
        return NoDateAnswer();
    return QDateTime(date, time, Qt::UTC);
}

frmDate::frmDate(QWidget* parent) : QDialog(parent), startDate_(NoDateAnswer()) {
    SetTextId(this, TextId::Caption);
    lblDateText = new QLabel(this);
    SetTextId(lblDateText, TextId::DateText);
    lblTimeText = new QLabel(this);
    SetTextId(lblTimeText, TextId::TimeText);
    lblDate = new QLabel(this);
    lblDate->setFrameShape(QFrame::Panel);
    lblDate->setFrameShadow(QFrame::Sunken);
    btnDate = new QToolButton(this);
    btnDate->setText(QStringLiteral("..."));
    monDate = NewMonthCalendar(this);
    monDate->setVisible(false);
    dtpTime = new QTimeEdit(this);
    lblTimeText->setBuddy(dtpTime);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnOk->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(lblDateText, 0, 0);
    grid->addWidget(lblDate, 0, 1);
    grid->addWidget(btnDate, 0, 2);
    grid->addWidget(monDate, 1, 1, 1, 2);
    grid->addWidget(lblTimeText, 2, 0);
    grid->addWidget(dtpTime, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnDate, &QToolButton::clicked, this, &frmDate::btnDate_Click);
    connect(monDate, &QCalendarWidget::clicked, this, &frmDate::monDate_DateClick);
    connect(monDate, &QCalendarWidget::activated, this, &frmDate::monDate_DateClick);
    connect(btnOk, &QPushButton::clicked, this, &frmDate::btnOk_Click);
    connect(btnAnnulla, &QPushButton::clicked, this, &frmDate::btnAnnulla_Click);
}

void frmDate::Form_Load() {
    SetUpForm(this);
    btnDate->setToolTip(ResString(TextId::CalendarButton));
    btnDate->setAccessibleName(btnDate->toolTip());
    monDate->setAccessibleName(ResString(TextId::Calendar));
    // The date reads out as itself; the caption beside it describes it.
    lblDate->setAccessibleDescription(lblDateText->text());
    lblDateText->setBuddy(lblDate);
    dtpTime->setAccessibleName(lblTimeText->text());
    btnOk->setAccessibleName(btnOk->text());
    btnAnnulla->setAccessibleName(btnAnnulla->text());
    const QDateTime now = CurrentClock().Now();
    lblDate->setText(ShortDateText(now.date()));
    dtpTime->setDisplayFormat(LongTimePattern());
    dtpTime->setTime(now.time());
}

void frmDate::btnDate_Click() {
    if (!monDate->isHidden()) {
        monDate->hide();
        return;
    }
    const QDate shown = ReadTypedDate(lblDate->text());
    if (shown.isValid())
        monDate->setSelectedDate(shown);
    monDate->show();
    monDate->setFocus();
}

void frmDate::monDate_DateClick(QDate date) {
    lblDate->setText(ShortDateText(date));
    monDate->hide();
}

void frmDate::btnOk_Click() {
    startDate_ = DateDialogAnswer(lblDate->text(), dtpTime->time());
    accept();
}

void frmDate::btnAnnulla_Click() {
    reject();
}

void frmDate::reject() {
    startDate_ = NoDateAnswer();
    QDialog::reject();
}

QDateTime AskDateAndTime(QWidget* owner) {
    frmDate& dialog = Window<frmDate>().Load();
    dialog.setParent(owner, dialog.windowFlags());
    Ui().RunModal(dialog);
    const QDateTime answer = dialog.StartDate();
    Window<frmDate>().Unload();
    return answer;
}
