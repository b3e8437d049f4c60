#include "views/table/table_text.h"

#include "data/dataset.h"
#include "data/dates/display_texts.h"
#include "shell/core/error_report.h"
#include "shell/core/language.h"
#include "views/table/table_number_text.h"
#include "views/table/table_time_text.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {
constexpr int ColumnWidth = 8;
const QByteArray LineEnd("\r\n");

// Blanks at both ends go; other white space stays, as the identification texts keep it.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

qint64 unitSeconds(const QString& unit) {
    if (unit == u"s")
        return 1;
    if (unit == u"n")
        return 60;
    if (unit == u"h")
        return 3600;
    if (unit == u"d")
        return 86400;
    RaiseError(ErrorNumber::InvalidProcedureCall,
               QStringLiteral("Invalid procedure call or argument"));
}

bool available(const DataSet& data, qint32 i) {
    // A NaN counts as not available too: it would print as no number at all.
    return data.DataX.at(i) >= 0 && data.DataY.at(i) >= 0 && data.DataZ.at(i) >= 0 &&
           data.DataRes.at(i) >= 0;
}

// A column: prefix and number, blank-padded on the left to eight characters.
template <class T>
void appendColumn(QByteArray& out, QByteArray& scratch, T value, bool twoBlanks,
                  const QByteArray& point) {
    scratch.clear();
    if (twoBlanks)
        scratch.append("  ");
    AppendFixed2(scratch, value, point);
    // Padding counts characters: all are single bytes but a decimal separator outside ASCII.
    const qsizetype characters = scratch.size() - point.size() + 1;
    if (characters < ColumnWidth)
        out.append(ColumnWidth - characters, ' ');
    out.append(scratch);
}

QByteArray header(const DataSet& data) {
    QString text;
    text += ResString(3016) + QStringLiteral("\r\n");
    text +=
        ResString(3017) + QStringLiteral(": ") + trimBlanks(data.IDShort) + QStringLiteral("\r\n");
    text +=
        ResString(3018) + QStringLiteral(": ") + trimBlanks(data.IDLong) + QStringLiteral("\r\n");
    text += ResString(3019) + QStringLiteral(": ") + data.DataSourceName + QStringLiteral("\r\n");
    text += QLatin1String(MedianCaption) + FixedText(data.MedianValue, 2) +
            QLatin1String(MedianUnit) + QStringLiteral("\r\n");
    if (data.RfDataPresent) {
        text += ResString(45) + u' ' + FixedText(data.CsvAuxMin, 2) + u' ' + ResString(46) + u' ' +
                FixedText(data.CsvAuxMax, 2) + u' ' + ResString(47) + u' ' +
                FixedText(data.CsvAuxMean, 2) + u' ' + QStringLiteral("\r\n");
    }
    text += ResString(3020);
    if (data.RfDataPresent)
        text += ResString(3050);
    text += QStringLiteral("\r\n");
    return text.toUtf8();
}

void checkArrays(const DataSet& data) {
    const qsizetype needed = qsizetype(data.NumSamples) + 1;
    if (data.NumSamples < 0 || data.DataX.size() < needed || data.DataY.size() < needed ||
        data.DataZ.size() < needed || data.DataRes.size() < needed)
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}
} // namespace

int TableHeaderOffset(const DataSet& data) {
    return data.RfDataPresent ? 8 : 7;
}

std::vector<qint32> ValueOrder(const DataSet& data) {
    const qint32 n = data.NumSamples;
    std::vector<qint32> order;
    order.reserve(static_cast<size_t>(qMax(n, 0)));
    std::vector<bool> seen(static_cast<size_t>(qMax(n, 0)) + 1, false);
    bool valid = true;
    for (qint32 k : data.SortedIndex) {
        if (k == 0)
            continue; // the sort's empty element, wherever it ended up
        if (k < 0 || k > n || seen[static_cast<size_t>(k)]) {
            valid = false;
            break;
        }
        if (!order.empty() && data.DataRes.at(k) < data.DataRes.at(order.back())) {
            valid = false;
            break;
        }
        seen[static_cast<size_t>(k)] = true;
        order.push_back(k);
    }
    if (valid && order.size() == static_cast<size_t>(qMax(n, 0)))
        return order;
    // The sorted arrays belong to another data set: sort this one.
    order.resize(static_cast<size_t>(qMax(n, 0)));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](qint32 a, qint32 b) { return data.DataRes.at(a) < data.DataRes.at(b); });
    return order;
}

qint32 MedianSample(const DataSet& data) {
    const qint32 index = data.MedianIndex;
    if (!data.MedianPresent || index < 0 || index >= data.SortedIndex.size())
        return -1;
    const qint32 k = data.SortedIndex.at(index);
    return k >= 1 && k <= data.NumSamples ? k : -1;
}

DataTable BuildDataTable(const DataSet& data, TableOrder order) {
    checkArrays(data);
    DataTable table;
    table.headerOffset = TableHeaderOffset(data);
    const qint32 n = data.NumSamples;
    const QLocale locale;
    const QByteArray point = locale.decimalPoint().toUtf8();
    RowTimeText times(ShortDatePattern(locale), LongTimePattern(locale), locale);
    if (n > 0 && !data.StartDate.isValid())
        RaiseError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
    const qint64 start = n > 0 ? data.StartDate.toSecsSinceEpoch() : 0;
    const qint64 step =
        n > 0 ? qint64(data.SampleStep) * data.IntervalMultiplier * unitSeconds(data.SampleStepUnit)
              : 0;

    std::vector<qint32> rows;
    if (order == TableOrder::Value)
        rows = ValueOrder(data);

    const QByteArray head = header(data);
    // About 60 bytes a row; one allocation for the whole text.
    table.text.reserve(head.size() + 2 + qsizetype(n) * 64);
    table.text.append(head);
    table.text.append(LineEnd);

    const qint32 median = MedianSample(data);
    QByteArray scratch;
    scratch.reserve(32);
    for (qint32 row = 0; row < n; ++row) {
        const qint32 k = order == TableOrder::Value ? rows[static_cast<size_t>(row)] : row + 1;
        const qint64 when = start + qint64(k - 1) * step;
        if (order == TableOrder::Value)
            times.AppendGeneral(table.text, when);
        else
            times.AppendDateAndTime(table.text, when);
        if (available(data, k)) {
            appendColumn(table.text, scratch, data.DataX.at(k), false, point);
            appendColumn(table.text, scratch, data.DataY.at(k), true, point);
            appendColumn(table.text, scratch, data.DataZ.at(k), true, point);
            appendColumn(table.text, scratch, data.DataRes.at(k), true, point);
        } else {
            table.text.append(NotAvailableMarker);
        }
        table.text.append(LineEnd);
        if (k == median)
            table.medianRow = row;
    }
    return table;
}
