#include "data/files/table_export.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/files/table_title.h"
#include "text/date_pattern.h"
#include "text/file_text_locale.h"
#include "text/four_decimal_fields.h"
#include "text/pattern_number.h"
#include "text/run_row_time.h"
#include "text/sample_columns.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"

#include <QSaveFile>

namespace {
// Room for one number and the ";" after it.
constexpr qsizetype NumberRoom = PatternNumberRoom + 2;

// "#.0000" and its ";"; room for NumberRoom bytes at p.
template <int Digits> char* writeCsvNumber(char* p, double value, char decimal) {
    p = WritePatternNumberAs<Digits, 4>(p, value, false, decimal);
    *p++ = ';';
    return p;
}

// The starts of a data set's sample arrays, held apart from it: the rows' text is written
// through char pointers, which could otherwise be the arrays' own members, read again for every
// number.
struct SampleArrays {
    explicit SampleArrays(const DataSet& data)
        : xs(data.DataX.constData()), ys(data.DataY.constData()), zs(data.DataZ.constData()),
          resultants(data.DataRes.constData()) {}
    const float* xs;
    const float* ys;
    const float* zs;
    const double* resultants;
};

void appendCsvHeader(TextBuffer& out, QString text) {
    text += QStringLiteral(";\r\n");
    out.Append(text.toUtf8());
}

// Where the rows go: into one array whole (WholeText), or to a file a piece at a time
// (FilePieces). RowDone is called after every row; it may take what is written so far and
// clear the buffer.
struct WholeText {
    void RowDone(TextBuffer&) {}
};

// Writes the buffer to the file whenever it holds a piece's worth, so that a large export
// never holds all of its text at once. The file is replaced only once all of it is written:
// a failure on the way leaves the previous file as it was.
class FilePieces {
public:
    static constexpr qsizetype PieceBytes = 1 << 20;
    explicit FilePieces(const QString& fileName) : file_(fileName), fileName_(fileName) {
        if (!file_.open(QIODevice::WriteOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"),
                       fileName_);
    }
    void RowDone(TextBuffer& out) {
        if (out.Size() >= PieceBytes)
            write(out);
    }
    void Commit(TextBuffer& out) {
        write(out);
        if (!file_.commit())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), fileName_);
    }

private:
    void write(TextBuffer& out) {
        if (file_.write(out.Data(), out.Size()) != out.Size())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), fileName_);
        out.Clear();
    }
    QSaveFile file_;
    QString fileName_;
};

// What the rows of a data set with samples take from it and from the locale: the first
// sample's time, the step between samples, the time texts and the decimal separator.
struct SampleRowTimes {
    SampleRowTimes(const DataSet& data, const QLocale& locale)
        : times(ShortDatePattern(locale), LongTimePattern(locale), locale),
          decimal(FileTextLocale(locale).DecimalSeparator()) {
        if (!data.StartDate.isValid())
            RaiseError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
        start = data.StartDate.toSecsSinceEpoch();
        step = SampleStepSeconds(data);
    }
    RowTimeText times;
    char decimal;
    qint64 start = 0;
    qint64 step = 0;
};

// One row a sample: its date and time in the locale, then what columns(p, i, decimal) writes
// at p for sample i (columnRoom bytes at the most) and returns the end of, then CR LF.
// The sink may take the text after each row.
template <class Sink, class Columns>
void writeSampleRows(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink,
                     qsizetype columnRoom, Columns&& columns) {
    CheckSampleArrays(data);
    if (data.NumSamples == 0)
        return;
    SampleRowTimes rows(data, locale);
    for (qint32 i = 1; i <= data.NumSamples; ++i) {
        rows.times.AppendDateAndTime(out, rows.start + qint64(i - 1) * rows.step);
        char* p = out.Room(columnRoom + 2);
        p = columns(p, i, rows.decimal);
        *p++ = '\r';
        *p++ = '\n';
        out.Used(p);
        sink.RowDone(out);
    }
}

template <class Sink>
void writeTabTable(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    const SampleArrays v(data);
    writeSampleRows(
        data, locale, out, sink, SampleColumnsRoom, [=](char* p, qint32 i, char decimal) {
            return WriteSampleColumns<true>(p, v.xs[i], v.ys[i], v.zs[i], v.resultants[i], decimal);
        });
}

// A CSV row's four numbers, each "#.0000" and its ";", after the ";" that ends the time.
[[gnu::always_inline]] inline char* writeCsvColumns(char* p, const SampleArrays& v, qint32 i,
                                                    char decimal) {
    // All four read before the first byte is written (see SampleArrays).
    const float x = v.xs[i], y = v.ys[i], z = v.zs[i];
    const double resultant = v.resultants[i];
    *p++ = ';';
    p = writeCsvNumber<SingleDigits>(p, x, decimal);
    p = writeCsvNumber<SingleDigits>(p, y, decimal);
    p = writeCsvNumber<SingleDigits>(p, z, decimal);
    return writeCsvNumber<DoubleDigits>(p, resultant, decimal);
}

#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
// Room a CSV row of a run needs at its start (the time and the numbers may write past their
// end).
constexpr qsizetype CsvRunRowRoom = RowTimeText::RunRows::Room + 4 * NumberRoom + 3;

// A row of a run the usual way.
[[gnu::always_inline]] inline char* writeCsvRunRow(char* p, const RunLayout& run, unsigned second,
                                                   const SampleArrays& v, qint32 i, char decimal) {
    p = writeCsvColumns(WriteRunRowTime(p, run, second), v, i, decimal);
    std::memcpy(p, "\r\n", 2);
    return p + 2;
}

// Two rows the usual way, out of the loop below: rows that need it are rare, and the loop
// keeps its constants in registers when it calls nothing on its usual way.
[[gnu::noinline]] char* writeTwoCsvRunRows(char* p, const RunLayout& run, unsigned first,
                                           unsigned second, const SampleArrays& v, qint32 i,
                                           char decimal) {
    p = writeCsvRunRow(p, run, first, v, i, decimal);
    return writeCsvRunRow(p, run, second, v, i + 1, decimal);
}

// One sample's four fields, each followed by its ";", after the ";" that ends the time.
[[gnu::always_inline]] inline char* writeCsvFields(char* p, const FourDecimalFields& fields,
                                                   int first) {
    *p++ = ';';
    for (int k = first; k < first + 4; ++k) {
        std::memcpy(p, &fields.fields[k], 8);
        p += fields.lengths[k];
        *p++ = ';';
    }
    std::memcpy(p, "\r\n", 2);
    return p + 2;
}

// Two floats next to each other as doubles.
CORVANEL_EIGHT_LANES inline __m128d twoFloats(const float* at) {
    return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at))));
}

// Rows from..to-1, all in the run of rows, two at a time, the eight numbers of a pair laid out
// at once; a pair with a number the lanes do not take is written the usual way.
CORVANEL_EIGHT_LANES void appendCsvRunRows(TextBuffer& out, const RowTimeText::RunRows& rows,
                                           const SampleArrays& v, qint64 start, qint64 step,
                                           qint32 from, qint32 to, char decimal) {
    const RunLayout run(rows);
    char* p = out.Room(2 * CsvRunRowRoom);
    const char* end = out.RoomEnd();
    const qint64 intoDay = start + qint64(from) * step - rows.dayStart;
    // The hour of the day and the second in it, moved on a row at a time; the run's text with
    // the hour put in, taken again when the hour changes.
    auto hour = static_cast<unsigned>(intoDay / 3600);
    auto secondOfHour = static_cast<unsigned>(intoDay % 3600);
    __m256i hourText;
    auto takeHour = [&] CORVANEL_EIGHT_LANES {
        char text[sizeof run.text];
        std::memcpy(text, run.text, sizeof text);
        if (run.hourAt >= 0 && hour < 24)
            std::memcpy(text + run.hourAt, run.hours + 2 * hour, 2);
        hourText = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text));
    };
    static_assert(sizeof run.text == sizeof hourText);
    takeHour();
    auto advance = [&] CORVANEL_EIGHT_LANES {
        secondOfHour += static_cast<unsigned>(step);
        if (secondOfHour >= 3600) {
            hour += secondOfHour / 3600;
            secondOfHour %= 3600;
            takeHour();
        }
    };
    // A field the time does not show has its digits put at the row's end, where the numbers
    // write over them.
    const qsizetype length = run.length;
    const qsizetype minuteAt = run.minuteAt >= 0 ? run.minuteAt : length;
    const qsizetype secondAt = run.secondAt >= 0 ? run.secondAt : length;
    auto writeTime = [&](char* at) CORVANEL_EIGHT_LANES {
        const std::uint32_t digits = MinuteSecondDigits.digits[secondOfHour];
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), hourText);
        std::memcpy(at + minuteAt, &digits, 2);
        std::memcpy(at + secondAt, reinterpret_cast<const char*>(&digits) + 2, 2);
        return at + length;
    };
    // The eight numbers of the pair of rows of sample k and the next, laid out at once.
    auto layOut = [&](qint32 k, FourDecimalFields& fields) CORVANEL_EIGHT_LANES {
        const __m128d x = twoFloats(v.xs + k), y = twoFloats(v.ys + k), z = twoFloats(v.zs + k);
        const __m128d r = _mm_loadu_pd(v.resultants + k);
        return EightFourDecimalFields(
            _mm256_setr_m128d(_mm_unpacklo_pd(x, y), _mm_unpacklo_pd(z, r)),
            _mm256_setr_m128d(_mm_unpackhi_pd(x, y), _mm_unpackhi_pd(z, r)), decimal, fields);
    };
    // The pair of rows, with its numbers laid out or the usual way.
    auto writePair = [&](qint32 k, bool laidOut, const FourDecimalFields& fields)
                         CORVANEL_EIGHT_LANES {
                             if (laidOut) {
                                 p = writeCsvFields(writeTime(p), fields, 0);
                                 advance();
                                 p = writeCsvFields(writeTime(p), fields, 4);
                                 advance();
                                 return;
                             }
                             const unsigned first = hour * 3600 + secondOfHour;
                             advance();
                             const unsigned second = hour * 3600 + secondOfHour;
                             advance();
                             p = writeTwoCsvRunRows(p, run, first, second, v, k, decimal);
                         };
    auto room = [&](qsizetype rowCount) {
        if (end - p < rowCount * CsvRunRowRoom) {
            out.Used(p);
            p = out.Room(rowCount * CsvRunRowRoom);
            end = out.RoomEnd();
        }
    };
    // Two pairs at a time, so that the second's numbers are laid out while the first's are
    // still on their way.
    qint32 row = from;
    for (; row + 3 < to; row += 4) {
        room(4);
        FourDecimalFields first, second;
        const bool firstLaidOut = layOut(row + 1, first);
        const bool secondLaidOut = layOut(row + 3, second);
        writePair(row + 1, firstLaidOut, first);
        writePair(row + 3, secondLaidOut, second);
    }
    for (; row + 1 < to; row += 2) {
        room(2);
        FourDecimalFields fields;
        const bool laidOut = layOut(row + 1, fields);
        writePair(row + 1, laidOut, fields);
    }
    if (row < to) {
        if (end - p < CsvRunRowRoom)
            out.Used(p), p = out.Room(CsvRunRowRoom);
        p = writeCsvRunRow(p, run, hour * 3600 + secondOfHour, v, row + 1, decimal);
    }
    out.Used(p);
}

// The rows of writeSampleRows for the CSV file, a run of one layout at a time through the
// lanes; a row without one alone.
template <class Sink>
void writeCsvRunRows(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    const qint32 n = data.NumSamples;
    if (n == 0)
        return;
    SampleRowTimes rows(data, locale);
    RowTimeText& times = rows.times;
    const qint64 start = rows.start;
    const qint64 step = rows.step;
    const char decimal = rows.decimal;
    const SampleArrays v(data);
    // Rows between the sink's looks at the text.
    constexpr qint32 BlockRows = 512;
    for (qint32 row = 0; row < n;) {
        const qint64 when = start + qint64(row) * step;
        const RowTimeText::RunRows* run = step > 0 ? times.RowsAt(when) : nullptr;
        if (run == nullptr) {
            times.AppendDateAndTime(out, when);
            char* p = writeCsvColumns(out.Room(4 * NumberRoom + 3), v, row + 1, decimal);
            std::memcpy(p, "\r\n", 2);
            out.Used(p + 2);
            sink.RowDone(out);
            ++row;
            continue;
        }
        const qint64 inRun = (run->end - when + step - 1) / step;
        const qint32 end = qint32(qMin<qint64>(n, row + inRun));
        for (; row < end; row = qMin(end, row + BlockRows)) {
            appendCsvRunRows(out, *run, v, start, step, row, qMin(end, row + BlockRows), decimal);
            sink.RowDone(out);
        }
    }
}
#endif

template <class Sink>
void writeCsvFile(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    CheckSampleArrays(data);
    for (const QString& line : TableTitleLines(data))
        appendCsvHeader(out, line);
    QString titles;
    for (int id : {4050, 4015, 4016, 4017, 4018})
        titles += ResString(id) + u';';
    out.Append((titles + QStringLiteral("\r\n")).toUtf8());
#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
    if (HasEightLanes()) {
        writeCsvRunRows(data, locale, out, sink);
        return;
    }
#endif
    const SampleArrays v(data);
    writeSampleRows(
        data, locale, out, sink, 4 * NumberRoom + 1,
        [=](char* p, qint32 i, char decimal) { return writeCsvColumns(p, v, i, decimal); });
}

// Room for the whole text at once, so that it is never copied into a larger one: the titles,
// then every row as long as the first one's date and time (with a few bytes to spare for a
// longer month or day) and four value columns of the usual length.
qsizetype wholeRoom(const DataSet& data, const QLocale& locale) {
    const qint32 n = qMax(data.NumSamples, 0);
    qsizetype timeBytes = 32;
    if (n > 0 && data.StartDate.isValid()) {
        TextBuffer first(64);
        RowTimeText(ShortDatePattern(locale), LongTimePattern(locale), locale)
            .AppendDateAndTime(first, data.StartDate.toSecsSinceEpoch());
        timeBytes = first.Size() + 4;
    }
    return 4096 + qsizetype(n) * (timeBytes + 4 * 10 + 2);
}
} // namespace

QByteArray TabTableBytes(const DataSet& data, const QLocale& locale) {
    TextBuffer out(wholeRoom(data, locale));
    WholeText whole;
    writeTabTable(data, locale, out, whole);
    return out.Take();
}

QByteArray CsvFileBytes(const DataSet& data, const QLocale& locale) {
    TextBuffer out(wholeRoom(data, locale));
    WholeText whole;
    writeCsvFile(data, locale, out, whole);
    return out.Take();
}

namespace {
// The current data set written to the file a piece at a time by write, in the user's
// locale; a failure is reported under the procedure's name and leaves the file as it was.
template <class Write>
bool saveTable(const char* procedure, const QString& fileName, Write&& write) {
    return Trapped(procedure, false, [&] {
        TextBuffer out(FilePieces::PieceBytes + 64 * 1024);
        FilePieces file(fileName);
        write(CurrentData(), QLocale::system(), out, file);
        file.Commit(out);
        return true;
    });
}
} // namespace

bool SaveFileTxt(const QString& FileName) {
    return saveTable("SaveFileTxt", FileName, writeTabTable<FilePieces>);
}

bool SaveCsvFile(const QString& FileName) {
    return saveTable("SaveCsvFile", FileName, writeCsvFile<FilePieces>);
}

bool SaveTableFile(const QString& FileName, int Kind) {
    return Kind == 1 ? SaveCsvFile(FileName) : SaveFileTxt(FileName);
}
