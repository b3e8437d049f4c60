#include "views/table/table_rows.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/dataset.h"
#include "data/files/table_title.h"
#include "text/display_texts.h"
#include "text/format_pattern.h"
#include "text/run_row_time.h"
#include "text/sample_columns.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"
#include "views/table/table_number_text.h"

#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <cstring>

namespace {
constexpr int ColumnWidth = 8;
const qsizetype NotAvailableLength = qsizetype(std::strlen(NotAvailableMarker));
const QByteArray LineEnd("\r\n");

// A column in a locale whose numbers the shared writer cannot lay out (digits other than
// 0-9, a separator of more than one byte): prefix and number, blank-padded on the left to
// eight characters.
template <class T>
void appendLocaleColumn(TextBuffer& out, T value, bool twoBlanks, const QByteArray& point) {
    char number[Fixed2Room];
    const int length = WriteFixed2(number, value, point);
    const int prefix = twoBlanks ? 2 : 0;
    // Padding counts characters, not bytes: the locale's digits and separator may take
    // several bytes each (every byte but a continuation byte starts a character).
    qsizetype characters = prefix;
    for (int i = 0; i < length; ++i)
        characters += (static_cast<unsigned char>(number[i]) & 0xC0) != 0x80 ? 1 : 0;
    const qsizetype blanks = prefix + qMax<qsizetype>(ColumnWidth - characters, 0);
    char* p = out.Room(blanks + length);
    std::memset(p, ' ', static_cast<size_t>(blanks));
    std::memcpy(p + blanks, number, static_cast<size_t>(length));
    out.Used(p + blanks + length);
}

#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
// Room a row of a run needs at its start (the columns may write past their end).
constexpr qsizetype RunRowRoom = RowTimeText::RunRows::Room + SampleColumnsRoom + 2;

// A whole row of the run: its time, its columns (or the marker) and the line end.
[[gnu::always_inline]] inline char* writeRunRow(char* p, const RunLayout& run, unsigned second,
                                                float x, float y, float z, double res, char point) {
    p = WriteRunRowTime(p, run, second);
    // A NaN counts as not available too: it would print as no number at all.
    if (x >= 0 && y >= 0 && z >= 0 && res >= 0) {
        p = WriteSampleColumns<false>(p, x, y, z, res, point);
    } else {
        std::memcpy(p, NotAvailableMarker, static_cast<size_t>(NotAvailableLength));
        p += NotAvailableLength;
    }
    std::memcpy(p, "\r\n", 2);
    return p + 2;
}

// Two rows the way of one, out of the loop below: rows that need it are rare, and the loop
// keeps its constants in registers when it calls nothing on its usual way.
[[gnu::noinline]] char* writeTwoRunRows(char* p, const RunLayout& run, unsigned first,
                                        unsigned second, const float* xs, const float* ys,
                                        const float* zs, const double* rs, char point) {
    p = writeRunRow(p, run, first, xs[0], ys[0], zs[0], rs[0], point);
    return writeRunRow(p, run, second, xs[1], ys[1], zs[1], rs[1], point);
}

// Two floats next to each other as doubles.
CORVANEL_EIGHT_LANES inline __m128d twoFloats(const float* at) {
    return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at))));
}

// Rows from..to-1 of the time order, all in the run of rows (a plain locale, a processor
// with eight lanes), two at a time, the eight numbers of a pair laid out at once; a pair
// with a number that needs the long way, or a sample that is not available, is written a
// row at a time.
CORVANEL_EIGHT_LANES void appendRunRowPairs(TextBuffer& out, const RowTimeText::RunRows& rows,
                                            const float* xs, const float* ys, const float* zs,
                                            const double* rs, qint64 start, qint64 step,
                                            qint32 from, qint32 to, char point) {
    const RunLayout run(rows);
    const __m256d bounds = _mm256_setr_pd(SampleColumnBounds.a, SampleColumnBounds.b,
                                          SampleColumnBounds.c, SampleColumnBounds.d);
    char* p = out.Room(2 * RunRowRoom);
    const char* end = out.RoomEnd();
    qint64 intoDay = start + qint64(from) * step - rows.dayStart;
    qint32 row = from;
    for (; row + 1 < to; row += 2, intoDay += 2 * step) {
        if (end - p < 2 * RunRowRoom) {
            out.Used(p);
            p = out.Room(2 * RunRowRoom);
            end = out.RoomEnd();
        }
        const qint32 k = row + 1; // the sample of the row
        const auto first = static_cast<unsigned>(intoDay);
        const auto second = static_cast<unsigned>(intoDay + step);
        // Both samples' x, y, z and resultant, then each sample's four.
        const __m128d x = twoFloats(xs + k), y = twoFloats(ys + k), z = twoFloats(zs + k);
        const __m128d r = _mm_loadu_pd(rs + k);
        __m256i low, high;
        if (EightTwoDecimalFields(_mm256_setr_m128d(_mm_unpacklo_pd(x, y), _mm_unpacklo_pd(z, r)),
                                  _mm256_setr_m128d(_mm_unpackhi_pd(x, y), _mm_unpackhi_pd(z, r)),
                                  bounds, bounds, point, low, high)) {
            p = WriteRunRowTime(p, run, first);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(low));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), _mm256_castsi256_si128(high));
            std::memcpy(p + 32, "\r\n", 2);
            p = WriteRunRowTime(p + 34, run, second);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_extracti128_si256(low, 1));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), _mm256_extracti128_si256(high, 1));
            std::memcpy(p + 32, "\r\n", 2);
            p += 34;
        } else {
            p = writeTwoRunRows(p, run, first, second, xs + k, ys + k, zs + k, rs + k, point);
        }
    }
    if (row < to) {
        if (end - p < RunRowRoom) {
            out.Used(p);
            p = out.Room(RunRowRoom);
        }
        const qint32 k = row + 1;
        p = writeRunRow(p, run, static_cast<unsigned>(intoDay), xs[k], ys[k], zs[k], rs[k], point);
    }
    out.Used(p);
}
#endif

QByteArray header(const DataSet& data) {
    QString text;
    for (const QString& line : TableTitleLines(data))
        text += line + QStringLiteral("\r\n");
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

} // namespace

TableRows::TableRows(const DataSet& data, TableOrder order) : order_(order) {
    CheckSampleArrays(data);
    headerOffset_ = TableHeaderOffset(data);
    count_ = data.NumSamples;
    const QLocale locale;
    point_ = locale.decimalPoint().toUtf8();
    asciiNumbers_ = point_.size() == 1 && locale.zeroDigit() == QLatin1String("0");
    times_ =
        std::make_unique<RowTimeText>(ShortDatePattern(locale), LongTimePattern(locale), locale);
    if (count_ > 0 && !data.StartDate.isValid())
        RaiseError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
    start_ = count_ > 0 ? data.StartDate.toSecsSinceEpoch() : 0;
    step_ = count_ > 0 ? SampleStepSeconds(data) : 0;
    if (order == TableOrder::Value)
        samples_ = ValueOrder(data);

    headerBytes_ = header(data) + LineEnd;
    // Lines as a text box splits them: at CR LF or LF.
    headerLines_ = QString::fromUtf8(headerBytes_)
                       .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                       .split(u'\n');
    headerLines_.removeLast(); // the piece after the empty line's end: the first row
    // The arrays are shared, not copied: the table keeps them as they were when it was made.
    x_ = data.DataX;
    y_ = data.DataY;
    z_ = data.DataZ;
    res_ = data.DataRes;

    const qint32 median = MedianSample(data);
    if (median >= 1) {
        if (order == TableOrder::Time) {
            medianRow_ = median - 1;
        } else {
            const auto at = std::find(samples_.begin(), samples_.end(), median);
            medianRow_ = at == samples_.end() ? -1 : qint32(at - samples_.begin());
        }
    }
}

TableRows::~TableRows() = default;

template <TableOrder Order>
void TableRows::appendRow(TextBuffer& out, qint32 row, bool lineEnd) const {
    const qint32 k = Order == TableOrder::Value ? samples_[static_cast<size_t>(row)] : row + 1;
    const qint64 when = start_ + qint64(k - 1) * step_;
    if (Order == TableOrder::Value)
        times_->AppendGeneral(out, when);
    else
        times_->AppendDateAndTime(out, when);
    const float x = x_[k], y = y_[k], z = z_[k];
    const double res = res_[k];
    // A NaN counts as not available too: it would print as no number at all.
    if (x >= 0 && y >= 0 && z >= 0 && res >= 0) {
        if (asciiNumbers_) {
            char* p = WriteSampleColumns<false>(out.Room(SampleColumnsRoom + 2), x, y, z, res,
                                                point_.at(0));
            if (lineEnd) {
                std::memcpy(p, "\r\n", 2);
                p += 2;
            }
            out.Used(p);
            return;
        }
        appendLocaleColumn(out, x, false, point_);
        appendLocaleColumn(out, y, true, point_);
        appendLocaleColumn(out, z, true, point_);
        appendLocaleColumn(out, res, true, point_);
    } else {
        out.Append(NotAvailableMarker, NotAvailableLength);
    }
    if (lineEnd)
        out.Append("\r\n", 2);
}

void TableRows::appendRow(TextBuffer& out, qint32 row, bool lineEnd) const {
    if (order_ == TableOrder::Value)
        appendRow<TableOrder::Value>(out, row, lineEnd);
    else
        appendRow<TableOrder::Time>(out, row, lineEnd);
}

template <TableOrder Order>
void TableRows::appendRows(TextBuffer& out, qint32 from, qint32 to) const {
    qint32 row = from;
#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
    if (Order == TableOrder::Time && asciiNumbers_ && step_ > 0 && HasEightLanes()) {
        // A run of one layout at a time; a row without one alone.
        while (row < to) {
            const qint64 when = start_ + qint64(row) * step_;
            const RowTimeText::RunRows* run = times_->RowsAt(when);
            if (run == nullptr) {
                appendRow<Order>(out, row++, true);
                continue;
            }
            const qint64 inRun = (run->end - when + step_ - 1) / step_;
            const qint32 end = qint32(qMin<qint64>(to, row + inRun));
            appendRunRowPairs(out, *run, x_.constData(), y_.constData(), z_.constData(),
                              res_.constData(), start_, step_, row, end, point_.at(0));
            row = end;
        }
        return;
    }
#endif
    for (; row < to; ++row)
        appendRow<Order>(out, row, true);
}

void TableRows::appendRows(TextBuffer& out, qint32 from, qint32 to) const {
    if (order_ == TableOrder::Value)
        appendRows<TableOrder::Value>(out, from, to);
    else
        appendRows<TableOrder::Time>(out, from, to);
}

QByteArray TableRows::LineBytes(qint32 line) const {
    if (line < 0 || line >= LineCount())
        return QByteArray();
    if (line < headerLines_.size())
        return headerLines_.at(line).toUtf8();
    const qint32 row = line - qint32(headerLines_.size());
    if (row >= count_)
        return QByteArray(); // the empty line after the last line end
    TextBuffer out(128);
    appendRow(out, row, false);
    return out.Take();
}

QString TableRows::Line(qint32 line) const {
    if (line >= 0 && line < headerLines_.size())
        return headerLines_.at(line);
    return QString::fromUtf8(LineBytes(line));
}

qint32 TableRows::LineLength(qint32 line) const {
    if (line < 0 || line >= LineCount())
        return -1;
    return qint32(Line(line).size());
}

QByteArray TableRows::Text() const {
    // About 60 bytes a row; one allocation for the whole text in the usual case.
    TextBuffer out(headerBytes_.size() + qsizetype(count_) * 64);
    out.Append(headerBytes_);
    appendRows(out, 0, count_);
    return out.Take();
}

bool TableRows::Write(QIODevice& device) const {
    constexpr qint32 BlockRows = 4096;
    TextBuffer out(qsizetype(BlockRows) * 64);
    out.Append(headerBytes_);
    for (qint32 row = 0; row < count_; row += BlockRows) {
        appendRows(out, row, qMin(count_, row + BlockRows));
        if (device.write(out.Data(), out.Size()) != out.Size())
            return false;
        out.Clear();
    }
    return device.write(out.Data(), out.Size()) == out.Size();
}
