#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>

// The monitoring dialog's arithmetic without the window: the step field's rules, the stop
// date that follows the memory, and the checks and session-parameter bytes of a start.

// A step text read as the number it starts with (blanks, a sign, digits); 0 when it starts
// with none.
int StepValue(const QString& text);

// The step box's text once the user leaves it, with a unit chosen: below 0 becomes "0",
// above 255 "255", a seconds step below 10 "10"; any other text stays as typed. Without a
// unit the text stays.
QString StepFieldText(const QString& text, int unitCode);
// The up-down's lower limit for a unit: 10 for seconds, else 1.
int StepLowerLimit(int unitCode);

// The stop row after a change of the start row, the step or the unit: without a stop date
// it is the memory-full date; with one, a stop past the memory-full date is brought back to
// it (clamped). Unchanged when the unit or the date cannot be worked out.
struct StopRow {
    QDateTime stop;
    bool clamped = false;
};
StopRow AutoStopDate(const QDateTime& start, int step, int unitCode, bool stopAtDate,
                     const QDateTime& stop);

// What the user chose.
struct SessionChoice {
    QString stepText;
    int unitCode = 0; // 0: none chosen
    bool startAtDate = false;
    QDateTime start; // the start row, read when startAtDate
    bool stopAtDate = false;
    QDateTime stop; // the stop row, read when stopAtDate
};

// A start as checked: either refused (the message to show, nothing sent), or the ten
// session-parameter bytes with the start and stop they stand for and the question to ask.
struct SessionPlan {
    int refusalId = 0; // the text id of the refusal
    QString refusal;   // its full text; empty when the session may start
    std::array<qint16, 10> params{};
    QDateTime start;
    QDateTime stop;
    bool noSamples = false; // the interval holds no sample: said, then the start goes on
    int confirmId = 0;      // 15 under 21 calendar days, else 14
};

// The memory's capacity comes from the options' memory size.
SessionPlan PlanSession(const SessionChoice& choice, const QDateTime& now);

// The notice of a start whose interval holds no sample.
inline constexpr const char* NoSamplesNotice = "Nessun campione nell'intervallo selezionato";
