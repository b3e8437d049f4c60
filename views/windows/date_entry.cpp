#include "views/windows/date_entry.h"

#include "core/language.h"
#include "platform/clock.h"
#include "text/typed_date.h"
#include "views/windows/month_calendar.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLineEdit>
#include <QToolButton>

namespace {
// The control's design size, 3510 x 2745 twips at 15 twips a pixel; it grows only when
// the style's calendar needs more room.
constexpr QSize DesignSize(234, 183);

enum TextId {
    CalendarButton = 3830,
    Calendar = 3831,
    DateBox = 3832,
};
} // namespace

IntEliDate1::IntEliDate1(QWidget* parent) : QWidget(parent) {
    txtlib = new QLineEdit(this);
    CmdMuestra = new QToolButton(this);
    CmdMuestra->setText(QStringLiteral("..."));
    CmdMuestra->setToolTip(ResString(TextId::CalendarButton));
    CmdMuestra->setAccessibleName(CmdMuestra->toolTip());
    cal = NewMonthCalendar(this);
    cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cal->setAccessibleName(ResString(TextId::Calendar));
    cal->setVisible(false);
    txtlib->setAccessibleName(ResString(TextId::DateBox));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(txtlib, 0, 0);
    grid->addWidget(CmdMuestra, 0, 1);
    grid->addWidget(cal, 1, 0, 1, 2, Qt::AlignTop);
    grid->setRowStretch(1, 1);
    const QSize needed(cal->minimumSizeHint().width(), txtlib->sizeHint().height() +
                                                           grid->spacing() +
                                                           cal->minimumSizeHint().height());
    setFixedSize(DesignSize.expandedTo(needed));

    connect(txtlib, &QLineEdit::returnPressed, this, &IntEliDate1::ReadTypedText);
    connect(txtlib, &QLineEdit::editingFinished, this, &IntEliDate1::ReadTypedText);
    connect(CmdMuestra, &QToolButton::clicked, this, &IntEliDate1::CmdMuestra_Click);
    connect(cal, &QCalendarWidget::clicked, this, &IntEliDate1::cal_DateClick);
    connect(cal, &QCalendarWidget::activated, this, &IntEliDate1::cal_DateClick);
    inicializa();
}

void IntEliDate1::inicializa() {
    cal->setSelectedDate(CurrentClock().Now().date());
    txtlib->clear();
}

void IntEliDate1::setValue(const QString& text) {
    const QDate date = ReadTypedDate(text);
    value_ = ShortDateText(date);
    txtlib->setText(LongDateText(date));
    cal->hide();
}

void IntEliDate1::ReadTypedText() {
    const QDate date = ReadTypedDate(txtlib->text());
    value_ = ShortDateText(date);
    if (!date.isValid())
        txtlib->clear();
}

void IntEliDate1::CmdMuestra_Click() {
    if (!cal->isHidden()) {
        cal->hide();
        txtlib->setFocus();
        return;
    }
    if (!value_.isEmpty())
        cal->setSelectedDate(ReadTypedDate(value_));
    cal->show();
}

void IntEliDate1::cal_DateClick(QDate date) {
    txtlib->setText(LongDateText(date));
    cal->hide();
    ReadTypedText();
}
