#include "data/files/table_export.h"

#include "core/error_report.h"
#include "core/language.h"
#include "text/date_pattern.h"
#include "text/file_text_locale.h"
#include "text/pattern_number.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"

#include <QSaveFile>

#include <cstring>

namespace {
constexpr int ColumnWidth = 8;

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

void checkArrays(const DataSet& data) {
    const qsizetype needed = qsizetype(data.NumSamples) + 1;
    if (data.NumSamples < 0 || data.DataX.size() < needed || data.DataY.size() < needed ||
        data.DataZ.size() < needed || data.DataRes.size() < needed)
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

// Blanks at both ends go; other white space stays.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

// Walks the samples with their times: row(i, secondsSinceEpoch).
template <class Row> void forEachSample(const DataSet& data, Row&& row) {
    checkArrays(data);
    const qint32 n = data.NumSamples;
    if (n == 0)
        return;
    if (!data.StartDate.isValid())
        RaiseError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
    const qint64 start = data.StartDate.toSecsSinceEpoch();
    const qint64 step =
        qint64(data.SampleStep) * data.IntervalMultiplier * unitSeconds(data.SampleStepUnit);
    for (qint32 i = 1; i <= n; ++i)
        row(i, start + qint64(i - 1) * step);
}

// "#0.00" (x) or "  #0.00" (y, z, resultant), blank-padded on the left to 8 characters.
void appendTabColumn(TextBuffer& out, double value, int digits, bool twoBlanks, char decimal) {
    char number[PatternNumberRoom];
    const char* end = WritePatternNumber(number, value, digits, 2, true, decimal);
    const qsizetype length = (end - number) + (twoBlanks ? 2 : 0);
    const qsizetype pad = length < ColumnWidth ? ColumnWidth - length : 0;
    char* p = out.Room(pad + length);
    std::memset(p, ' ', static_cast<size_t>(pad + (twoBlanks ? 2 : 0)));
    p += pad + (twoBlanks ? 2 : 0);
    std::memcpy(p, number, static_cast<size_t>(end - number));
    out.Used(p + (end - number));
}

void appendCsvNumber(TextBuffer& out, double value, int digits, char decimal) {
    char* p = out.Room(PatternNumberRoom + 1);
    p = WritePatternNumber(p, value, digits, 4, false, decimal);
    *p++ = ';';
    out.Used(p);
}

void appendCsvHeader(TextBuffer& out, QString text) {
    text += QStringLiteral(";\r\n");
    out.Append(text.toUtf8());
}

void writeWhole(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"), fileName);
    if (file.write(bytes) != bytes.size() || !file.commit())
        RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), fileName);
}
} // namespace

QByteArray TabTableBytes(const DataSet& data, const QLocale& locale) {
    const FileTextLocale text(locale);
    RowTimeText times(ShortDatePattern(locale), LongTimePattern(locale), locale);
    const char decimal = text.DecimalSeparator();
    TextBuffer out(qsizetype(qMax(data.NumSamples, 0)) * 56);
    const float* x = data.DataX.constData();
    const float* y = data.DataY.constData();
    const float* z = data.DataZ.constData();
    const double* res = data.DataRes.constData();
    forEachSample(data, [&](qint32 i, qint64 when) {
        times.AppendDateAndTime(out, when);
        out.Append('\t');
        appendTabColumn(out, x[i], SingleDigits, false, decimal);
        out.Append('\t');
        appendTabColumn(out, y[i], SingleDigits, true, decimal);
        out.Append('\t');
        appendTabColumn(out, z[i], SingleDigits, true, decimal);
        out.Append('\t');
        appendTabColumn(out, res[i], DoubleDigits, true, decimal);
        out.Append("\r\n", 2);
    });
    return out.Take();
}

QByteArray CsvFileBytes(const DataSet& data, const QLocale& locale) {
    const FileTextLocale text(locale);
    RowTimeText times(ShortDatePattern(locale), LongTimePattern(locale), locale);
    const char decimal = text.DecimalSeparator();
    TextBuffer out(512 + qsizetype(qMax(data.NumSamples, 0)) * 56);
    appendCsvHeader(out, ResString(3016));
    appendCsvHeader(out, ResString(3017) + QStringLiteral(": ") + trimBlanks(data.IDShort));
    appendCsvHeader(out, ResString(3018) + QStringLiteral(": ") + trimBlanks(data.IDLong));
    appendCsvHeader(out, ResString(3019) + QStringLiteral(": ") + data.DataSourceName);
    QString titles;
    for (int id : {4050, 4015, 4016, 4017, 4018})
        titles += ResString(id) + u';';
    out.Append((titles + QStringLiteral("\r\n")).toUtf8());
    const float* x = data.DataX.constData();
    const float* y = data.DataY.constData();
    const float* z = data.DataZ.constData();
    const double* res = data.DataRes.constData();
    forEachSample(data, [&](qint32 i, qint64 when) {
        times.AppendDateAndTime(out, when);
        out.Append(';');
        appendCsvNumber(out, x[i], SingleDigits, decimal);
        appendCsvNumber(out, y[i], SingleDigits, decimal);
        appendCsvNumber(out, z[i], SingleDigits, decimal);
        appendCsvNumber(out, res[i], DoubleDigits, decimal);
        out.Append("\r\n", 2);
    });
    return out.Take();
}

bool SaveFileTxt(const QString& FileName) {
    return Trapped("SaveFileTxt", false, [&] {
        writeWhole(FileName, TabTableBytes(CurrentData()));
        return true;
    });
}

bool SaveCsvFile(const QString& FileName) {
    return Trapped("SaveCsvFile", false, [&] {
        writeWhole(FileName, CsvFileBytes(CurrentData()));
        return true;
    });
}

bool SaveTableFile(const QString& FileName, int Kind) {
    return Kind == 1 ? SaveCsvFile(FileName) : SaveFileTxt(FileName);
}
