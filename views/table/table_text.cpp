#include "views/table/table_text.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/dataset.h"
#include "stats/median.h"
#include "text/display_texts.h"
#include "text/format_pattern.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"
#include "views/table/table_number_text.h"

#include <QLocale>

#include <algorithm>
#include <cstring>

namespace {
constexpr int ColumnWidth = 8;
const qsizetype NotAvailableLength = qsizetype(std::strlen(NotAvailableMarker));
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

// A column: prefix and number, blank-padded on the left to eight characters.
template <class T>
void appendColumn(TextBuffer& out, T value, bool twoBlanks, const QByteArray& point) {
    // The usual column: a number that fits, written from the right into eight blanks.
    unsigned long long cents = 0;
    if (point.size() == 1 && QuickCents(value, cents) &&
        cents < (twoBlanks ? 100000ull : 10000000ull)) {
        char* p = out.Room(ColumnWidth);
        std::memcpy(p, "        ", ColumnWidth);
        char* q = p + ColumnWidth - 2;
        std::memcpy(q, TwoDigits + 2 * (cents % 100), 2);
        *--q = point.at(0);
        unsigned long long whole = cents / 100;
        do {
            *--q = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole > 0);
        out.Used(p + ColumnWidth);
        return;
    }
    // Short texts move in fixed blocks of 16 bytes, which cost less than exact copies.
    constexpr int Block = 16;
    static constexpr char Blanks[Block + 1] = "                ";
    char number[Fixed2Room + Block];
    const int length = WriteFixed2(number, value, point);
    const int prefix = twoBlanks ? 2 : 0;
    // Padding counts characters: all are single bytes but a decimal separator outside ASCII.
    const qsizetype characters = prefix + length - point.size() + 1;
    const qsizetype blanks = prefix + qMax<qsizetype>(ColumnWidth - characters, 0);
    char* p = out.Room(Block + Fixed2Room + Block);
    std::memcpy(p, Blanks, Block);
    p += blanks;
    if (length <= Block)
        std::memcpy(p, number, Block);
    else
        std::memcpy(p, number, static_cast<size_t>(length));
    out.Used(p + length);
}

QByteArray header(const DataSet& data) {
    QString text;
    text += ResString(3016) + QStringLiteral("\r\n");
    text +=
        ResString(3017) + QStringLiteral(": ") + trimBlanks(data.IDShort) + QStringLiteral("\r\n");
    text +=
        ResString(3018) + QStringLiteral(": ") + trimBlanks(data.IDLong) + QStringLiteral("\r\n");
    text += ResString(3019) + QStringLiteral(": ") + data.DataSourceName + QStringLiteral("\r\n");
    text += QLatin1String(MedianCaption) + FormatPattern(data.MedianValue, u"#0.00") +
            QLatin1String(MedianUnit) + QStringLiteral("\r\n");
    if (data.RfDataPresent) {
        text += ResString(45) + u' ' + FormatPattern(data.CsvAuxMin, u"#0.00 ") + ResString(46) +
                u' ' + FormatPattern(data.CsvAuxMax, u"#0.00 ") + ResString(47) + u' ' +
                FormatPattern(data.CsvAuxMean, u"#0.00 ") + QStringLiteral("\r\n");
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
    // The sorted arrays do not hold this data set's order: sort it here, the same way.
    std::vector<double> res(static_cast<size_t>(qMax(n, 0)) + 1, 0.0);
    std::vector<qint32> index(res.size(), 0);
    for (qint32 k = 1; k <= n; ++k) {
        res[static_cast<size_t>(k)] = data.DataRes.at(k);
        index[static_cast<size_t>(k)] = k;
    }
    SortResultants(res, index);
    order.assign(index.begin() + 1, index.end());
    return order;
}

qint32 MedianSample(const DataSet& data) {
    const qint32 k = data.MedianSampleNumber;
    return data.MedianPresent && k >= 1 && k <= data.NumSamples ? k : -1;
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
    // About 60 bytes a row; one allocation for the whole text in the usual case.
    TextBuffer out(head.size() + 2 + qsizetype(n) * 64);
    out.Append(head);
    out.Append(LineEnd);

    const float* x = data.DataX.constData();
    const float* y = data.DataY.constData();
    const float* z = data.DataZ.constData();
    const double* res = data.DataRes.constData();
    const qint32 median = MedianSample(data);
    for (qint32 row = 0; row < n; ++row) {
        const qint32 k = order == TableOrder::Value ? rows[static_cast<size_t>(row)] : row + 1;
        const qint64 when = start + qint64(k - 1) * step;
        if (order == TableOrder::Value)
            times.AppendGeneral(out, when);
        else
            times.AppendDateAndTime(out, when);
        // A NaN counts as not available too: it would print as no number at all.
        if (x[k] >= 0 && y[k] >= 0 && z[k] >= 0 && res[k] >= 0) {
            appendColumn(out, x[k], false, point);
            appendColumn(out, y[k], true, point);
            appendColumn(out, z[k], true, point);
            appendColumn(out, res[k], true, point);
        } else {
            out.Append(NotAvailableMarker, NotAvailableLength);
        }
        out.Append("\r\n", 2);
        if (k == median)
            table.medianRow = row;
    }
    table.text = out.Take();
    return table;
}
