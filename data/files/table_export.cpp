#include "data/files/table_export.h"

#include "core/error_report.h"
#include "core/language.h"
#include "data/files/table_title.h"
#include "text/date_pattern.h"
#include "text/file_text_locale.h"
#include "text/pattern_number.h"
#include "text/sample_columns.h"
#include "text/sample_columns_wide.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"

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

// The tab export's value columns of the samples, taken in order: laid out sixteen rows ahead
// where the processor has the 512-bit instructions, else row by row.
class TabColumns {
public:
    explicit TabColumns(const DataSet& data)
        : x_(data.DataX.constData()), y_(data.DataY.constData()), z_(data.DataZ.constData()),
          res_(data.DataRes.constData()), last_(data.NumSamples) {}

    char* operator()(char* p, qint32 i, char decimal) {
#if defined(CORVANEL_WIDE_COLUMNS)
        if (i >= end_) {
            first_ = i;
            const bool group = HasWideLanes() && i + 15 <= last_;
            end_ = group ? i + 16 : last_ + 1;
            ahead_ = group &&
                     WriteSixteenSampleColumns(rows_, x_ + i, y_ + i, z_ + i, res_ + i, decimal);
        }
        if (ahead_) {
            const char* row = rows_ + 32 * (i - first_);
            for (int column = 0; column < 4; ++column) {
                *p++ = '\t';
                std::memcpy(p, row + 8 * column, 8);
                p += 8;
            }
            return p;
        }
#endif
        return WriteSampleColumns<true>(p, x_[i], y_[i], z_[i], res_[i], decimal);
    }

private:
    const float* x_;
    const float* y_;
    const float* z_;
    const double* res_;
    qint32 last_;
#if defined(CORVANEL_WIDE_COLUMNS)
    alignas(64) char rows_[16 * 32];
    qint32 first_ = 0;
    qint32 end_ = 0;
    bool ahead_ = false;
#endif
};

template <class Sink>
void writeTabTable(const DataSet& data, const QLocale& locale, TextBuffer& out, Sink& sink) {
    writeSampleRows(data, locale, out, sink, SampleColumnsRoom, TabColumns(data));
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
    writeSampleRows(data, locale, out, sink, 4 * NumberRoom + 1,
                    [&data](char* p, qint32 i, char decimal) {
                        *p++ = ';';
                        p = writeCsvNumber<SingleDigits>(p, data.DataX[i], decimal);
                        p = writeCsvNumber<SingleDigits>(p, data.DataY[i], decimal);
                        p = writeCsvNumber<SingleDigits>(p, data.DataZ[i], decimal);
                        return writeCsvNumber<DoubleDigits>(p, data.DataRes[i], decimal);
                    });
}

// About the length of a row; the whole text is sized for it at once.
qsizetype wholeRoom(const DataSet& data) {
    return 512 + qsizetype(qMax(data.NumSamples, 0)) * 56;
}
} // namespace

QByteArray TabTableBytes(const DataSet& data, const QLocale& locale) {
    TextBuffer out(wholeRoom(data));
    WholeText whole;
    writeTabTable(data, locale, out, whole);
    return out.Take();
}

QByteArray CsvFileBytes(const DataSet& data, const QLocale& locale) {
    TextBuffer out(wholeRoom(data));
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
