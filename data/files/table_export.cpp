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
    const SampleArrays v(data);
    writeSampleRows(
        data, locale, out, sink, SampleColumnsRoom, [=](char* p, qint32 i, char decimal) {
            return WriteSampleColumns<true>(p, v.xs[i], v.ys[i], v.zs[i], v.resultants[i], decimal);
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
    const SampleArrays v(data);
    writeSampleRows(data, locale, out, sink, 4 * NumberRoom + 1,
                    [=](char* p, qint32 i, char decimal) {
                        // All four read before the first byte is written (see SampleArrays).
                        const float x = v.xs[i], y = v.ys[i], z = v.zs[i];
                        const double resultant = v.resultants[i];
                        *p++ = ';';
                        p = writeCsvNumber<SingleDigits>(p, x, decimal);
                        p = writeCsvNumber<SingleDigits>(p, y, decimal);
                        p = writeCsvNumber<SingleDigits>(p, z, decimal);
                        return writeCsvNumber<DoubleDigits>(p, resultant, decimal);
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
