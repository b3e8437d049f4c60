#include "data/files/table_export.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/files/table_title.h"
#include "text/date_pattern.h"
#include "text/file_text_locale.h"
#include "text/pattern_number.h"
#include "text/sample_columns.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"
#include "text/two_decimal_fields.h"

#include <QSaveFile>

#include <cstring>

namespace {
// Room for one number and the ";" after it.
constexpr qsizetype NumberRoom = PatternNumberRoom + 2;

// "#.0000" and its ";"; room for NumberRoom bytes at p.
template <int Digits> char* writeCsvNumber(char* p, double value, char decimal) {
    p = WritePatternNumberAs<Digits, 4>(p, value, false, decimal);
    *p++ = ';';
    return p;
}

#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
// Whether both values' "#.0000" texts are their "#0.00" texts with two zeros more: from 0 up
// to below 1000, their ten-thousandths rounded the quick way (as WritePatternNumberAs
// rounds them) away from a half and a whole number of hundredths.
[[gnu::always_inline]] inline bool onHundredths(__m128d values) {
    const __m128d half = _mm_set1_pd(0.5);
    const __m128d scaled = _mm_mul_pd(values, _mm_set1_pd(1e4));
    __m128d ok = _mm_and_pd(_mm_cmpge_pd(values, _mm_setzero_pd()),
                            _mm_cmplt_pd(values, _mm_set1_pd(1000.0)));
    const __m128d whole = _mm_cvtepi32_pd(_mm_cvttpd_epi32(scaled));
    const __m128d fraction = _mm_sub_pd(scaled, whole);
    ok = _mm_and_pd(ok, _mm_cmpgt_pd(_mm_andnot_pd(_mm_set1_pd(-0.0), _mm_sub_pd(fraction, half)),
                                     _mm_set1_pd(0.1)));
    const __m128d units =
        _mm_add_pd(whole, _mm_and_pd(_mm_cmpgt_pd(fraction, half), _mm_set1_pd(1.0)));
    const __m128d hundredths = _mm_cvtepi32_pd(
        _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(units, _mm_set1_pd(0.01)), _mm_set1_pd(1e-6))));
    ok = _mm_and_pd(ok, _mm_cmpeq_pd(_mm_mul_pd(hundredths, _mm_set1_pd(100.0)), units));
    return _mm_movemask_pd(ok) == 3;
}

// A field's text as "#.0000" has it: without its blanks and without an integer part of 0,
// then "00;"; 11 bytes of room at p.
[[gnu::always_inline]] inline char* writeCsvField(char* p, std::uint64_t field) {
    int skipped = __builtin_ctzll(field & 0x0000001010101010ULL) / 8;
    skipped += skipped == 4 && (field >> 32 & 0xFF) == '0';
    const std::uint64_t text = field >> (8 * skipped);
    std::memcpy(p, &text, 8);
    p += 8 - skipped;
    std::memcpy(p, "00;", 3);
    return p + 3;
}

// The usual row's four numbers at once, each followed by its ";": values on a hundredth
// below 1000, as the instrument gives them. Null, with nothing written, when a value takes
// the way of its own.
[[gnu::always_inline]] inline char* writeFourCsvNumbers(char* p, float x, float y, float z,
                                                        double res, char decimal) {
    if (!onHundredths(_mm_set_pd(y, x)) || !onHundredths(_mm_set_pd(res, z)))
        return nullptr;
    constexpr TwoDecimalBounds bounds{1e5, 1e5, 1e5, 1e5};
    __m128i xy, zr;
    if (!FourTwoDecimalFields(x, y, z, res, bounds, decimal, xy, zr))
        return nullptr;
    p = writeCsvField(p, FirstField(xy));
    p = writeCsvField(p, SecondField(xy));
    p = writeCsvField(p, FirstField(zr));
    return writeCsvField(p, SecondField(zr));
}
#endif

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

// One row a sample: its date and time in the locale, then what columns(p, i, decimal) writes
// at p for sample i (columnRoom bytes at the most) and returns the end of, then CR LF.
// The sink may take the text after each row.
template <class Sink, class Columns>
void writeSampleRows(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink,
                     qsizetype columnRoom, Columns&& columns) {
    CheckSampleArrays(data);
    const qint32 n = data.NumSamples;
    if (n == 0)
        return;
    if (!data.StartDate.isValid())
        RaiseError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
    const qint64 start = data.StartDate.toSecsSinceEpoch();
    const qint64 step = SampleStepSeconds(data);
    const FileTextLocale text(locale);
    RowTimeText times(ShortDatePattern(locale), LongTimePattern(locale), locale);
    const char decimal = text.DecimalSeparator();
    for (qint32 i = 1; i <= n; ++i) {
        times.AppendDateAndTime(out, start + qint64(i - 1) * step);
        char* p = out.Room(columnRoom + 2);
        p = columns(p, i, decimal);
        *p++ = '\r';
        *p++ = '\n';
        out.Used(p);
        sink.RowDone(out);
    }
}

template <class Sink>
void writeTabTable(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    writeSampleRows(data, locale, out, sink, SampleColumnsRoom,
                    [&data](char* p, qint32 i, char decimal) {
                        return WriteSampleColumns<true>(p, data.DataX[i], data.DataY[i],
                                                        data.DataZ[i], data.DataRes[i], decimal);
                    });
}

template <class Sink>
void writeCsvFile(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    CheckSampleArrays(data);
    for (const QString& line : TableTitleLines(data))
        appendCsvHeader(out, line);
    QString titles;
    for (int id : {4050, 4015, 4016, 4017, 4018})
        titles += ResString(id) + u';';
    out.Append((titles + QStringLiteral("\r\n")).toUtf8());
    writeSampleRows(
        data, locale, out, sink, 4 * NumberRoom + 1, [&data](char* p, qint32 i, char decimal) {
            *p++ = ';';
#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
            if (char* end = writeFourCsvNumbers(p, data.DataX[i], data.DataY[i], data.DataZ[i],
                                                data.DataRes[i], decimal))
                return end;
#endif
            p = writeCsvNumber<SingleDigits>(p, data.DataX[i], decimal);
            p = writeCsvNumber<SingleDigits>(p, data.DataY[i], decimal);
            p = writeCsvNumber<SingleDigits>(p, data.DataZ[i], decimal);
            return writeCsvNumber<DoubleDigits>(p, data.DataRes[i], decimal);
        });
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
