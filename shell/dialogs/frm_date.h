#pragma once

#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QTime>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QTimeEdit;
class QToolButton;

// The answer of the date dialog: the date the label holds (the locale's short date) at the
// time of day, or NoDateAnswer() when the label holds no date.
QDateTime DateDialogAnswer(const QString& dateLabel, QTime time, const QLocale& locale = QLocale());

// A small modal dialog that asks for a date and a time of day: the date in a label, picked
// from a month calendar that its button shows and hides, the time in a time box. OK gives
// that date and time; "Annulla", Escape and the close box give NoDateAnswer().
class frmDate : public QDialog {
    Q_OBJECT
public:
    explicit frmDate(QWidget* parent = nullptr);

    void Form_Load();
    void btnDate_Click();
    void monDate_DateClick(QDate date);
    void btnOk_Click();
    void btnAnnulla_Click();

    // The answer once the dialog was closed; NoDateAnswer() before.
    QDateTime StartDate() const { return startDate_; }

    QLabel* lblDateText = nullptr;
    QLabel* lblTimeText = nullptr;
    QLabel* lblDate = nullptr;
    QToolButton* btnDate = nullptr;
    QCalendarWidget* monDate = nullptr;
    QTimeEdit* dtpTime = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnAnnulla = nullptr;

protected:
    void reject() override;

private:
    QDateTime startDate_;
};

// Shows the date dialog modally and answers as it does.
QDateTime AskDateAndTime(QWidget* owner);
