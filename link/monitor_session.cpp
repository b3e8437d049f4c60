#include "link/monitor_session.h"

#include "core/language.h"
#include "core/options.h"
#include "link/memory_layout.h"
#include "link/monitor_units.h"
#include "link/time_stamp.h"
#include "text/date_math.h"
#include "text/display_texts.h"

namespace {
// The step goes out as two BCD digits.
constexpr int LowestStep = 1;
constexpr int HighestStep = 99;
// The stop address goes out in two bytes.
constexpr int HighestAddress = 0xFFFF;
// Sessions of fewer calendar days than this get the shorter confirmation.
constexpr int LongSessionDays = 21;

SessionPlan refuse(int id, const QString& extra = QString()) {
    SessionPlan plan;
    plan.refusalId = id;
    plan.refusal = extra.isEmpty() ? ResString(id) : ResString(id) + u' ' + extra;
    return plan;
}
} // namespace

int StepValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        value = std::min<qint64>(value * 10 + (text.at(i).unicode() - u'0'), 1'000'000'000);
    return static_cast<int>(negative ? -value : value);
}

QString StepFieldText(const QString& text, int unitCode) {
    if (StepUnitLetter(unitCode).isEmpty())
        return text;
    const int value = StepValue(text);
    if (value < 0)
        return QStringLiteral("0");
    if (value > 255)
        return QStringLiteral("255");
    if (unitCode == 2 && value < 10)
        return QStringLiteral("10");
    return text;
}

int StepLowerLimit(int unitCode) {
    return unitCode == 2 ? 10 : 1;
}

StopRow AutoStopDate(const QDateTime& start, int step, int unitCode, bool stopAtDate,
                     const QDateTime& stop) {
    const QString letter = StepUnitLetter(unitCode);
    const QDateTime full = letter.isEmpty() || !start.isValid()
                               ? QDateTime()
                               : CalculateMemoryFullDate(start, step, letter);
    if (!full.isValid())
        return {stop, false};
    if (!stopAtDate)
        return {full, false};
    if (full < stop)
        return {full, true};
    return {stop, false};
}

SessionPlan PlanSession(const SessionChoice& choice, const QDateTime& now) {
    const QString letter = StepUnitLetter(choice.unitCode);
    if (choice.stepText.trimmed().isEmpty() || letter.isEmpty())
        return refuse(9);
    const int step = StepValue(choice.stepText);
    if (letter == u's' && step < 10)
        return refuse(10);
    // Two BCD digits carry the step; a step of 0 would also divide the interval by zero.
    if (step < LowestStep || step > HighestStep)
        return refuse(3800);

    SessionPlan plan;
    plan.params[0] = static_cast<qint16>(choice.unitCode);
    plan.params[1] = ToBcd(step);
    if (!choice.startAtDate) {
        plan.start = now;
    } else {
        plan.start = choice.start;
        if (DateDiff(QStringLiteral("s"), now, plan.start) < 0)
            return refuse(11);
        const InstrumentStamp stamp = EncodeStamp(plan.start);
        plan.params[2] = 1;
        for (int i = 0; i < 5; ++i)
            plan.params[3 + i] = stamp[static_cast<size_t>(i)];
    }

    if (choice.stopAtDate) {
        plan.stop = choice.stop;
        if (DateDiff(QStringLiteral("s"), plan.start, plan.stop) < 0)
            return refuse(12);
        const qint64 points = DateDiff(letter, plan.start, plan.stop) / step;
        const qint32 capacity = SamplesThatFit(Options().MemorySize);
        if (points > capacity) {
            const QDateTime full = DateAdd(letter, qint64(capacity) * step, plan.start);
            return refuse(13, GeneralDateText(full).trimmed());
        }
        plan.noSamples = points == 0;
        const qint64 address = Link::ImageHeaderBytes + Link::ImageRecordBytes * points;
        // The instrument takes the address in two bytes: one past them would be cut to an
        // address near the start of the memory.
        if (address > HighestAddress)
            return refuse(3801);
        plan.params[8] = static_cast<qint16>(address / 256);
        plan.params[9] = static_cast<qint16>(address % 256);
    } else {
        plan.stop = CalculateMemoryFullDate(plan.start, step, letter);
    }

    plan.confirmId =
        DateDiff(QStringLiteral("d"), plan.start, plan.stop) < LongSessionDays ? 15 : 14;
    return plan;
}
