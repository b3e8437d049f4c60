#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

// The date-entry control: a box where the user types a date, and a button that shows a
// month calendar to pick one. It keeps the date as its value, the locale's short date text
// ("" while the box holds no date), and shows a picked or given date written out as day,
// month name and year. Any window that needs a date may place it.
class IntEliDate1 : public QWidget {
    Q_OBJECT
public:
    explicit IntEliDate1(QWidget* parent = nullptr);

    // Calendar preset to today, box cleared.
    void inicializa();
    // The value: the short date text, or "".
    QString value() const { return value_; }
    // A date text (" de " and " of " read as blanks) becomes the value and shows written
    // out; a text that is no date empties the box and the value.
    void setValue(const QString& text);

    void CmdMuestra_Click();
    void cal_DateClick(QDate date);
    // Reads the box's text: the value of its date, or an empty box and value.
    void ReadTypedText();

    QLineEdit* txtlib = nullptr;
    QToolButton* CmdMuestra = nullptr;
    QCalendarWidget* cal = nullptr;

private:
    QString value_;
};
