#include "data/files/session_log.h"

#include "core/error_report.h"
#include "data/files/session_record.h"
#include "platform/trapped_error.h"
#include "text/date_math.h"
#include "text/text_buffer.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace {
constexpr char NotAvailableBytes[] = "-1 -1 -1 0";
constexpr char NotAvailableRecord[] = "\"-1 -1 -1 0\"\r\n";
constexpr int MaxRecordPosition = 255; // record positions are held in one byte
// The longest texts the header's fields can hold: two date-times, two "@" and a stop reason;
// a step with its unit letter; a sample count. A longer line is refused before it is parsed.
constexpr qsizetype MaxTimesLength = 2 * MaxDateTimeTextLength + 2 + 32;
constexpr qsizetype MaxNumberLength = 64;

bool isUnitLetter(const QString& unit) {
    return unit == u"s" || unit == u"n" || unit == u"h" || unit == u"d";
}

// The values of the file, one a line: a quoted value runs to the last quote of its line
// (so an older file with a quote inside a text still reads), an unquoted one is the line
// without the blanks at its ends. Line ends are CR LF or LF.
class ValueReader {
public:
    explicit ValueReader(QStringView text) : text_(text) {}

    QStringView Next() {
        if (pos_ >= text_.size())
            RaiseError(ErrorNumber::InputPastEnd, QStringLiteral("Input past end of file"));
        qsizetype end = text_.indexOf(u'\n', pos_);
        if (end < 0)
            end = text_.size();
        QStringView line = text_.sliced(pos_, end - pos_);
        pos_ = end + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        qsizetype start = 0;
        while (start < line.size() && (line.at(start) == u' ' || line.at(start) == u'\t'))
            ++start;
        line = line.sliced(start);
        if (line.startsWith(u'"')) {
            const qsizetype close = line.lastIndexOf(u'"');
            return close > 0 ? line.sliced(1, close - 1) : line.sliced(1);
        }
        return line.trimmed();
    }

    bool AtEnd() const { return pos_ >= text_.size(); }

    // Lines not yet read (a last line without a line end counts).
    qint64 LinesLeft() const {
        if (pos_ >= text_.size())
            return 0;
        const QStringView rest = text_.sliced(pos_);
        return rest.count(u'\n') + (rest.endsWith(u'\n') ? 0 : 1);
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// The same over the bytes of a file's part that is plain ASCII, where every byte is the
// character it stands for in either of the file's code pages.
class AsciiValueReader {
public:
    explicit AsciiValueReader(QByteArrayView bytes) : bytes_(bytes) {}

    QLatin1StringView Next() {
        const qsizetype size = bytes_.size();
        if (pos_ >= size)
            RaiseError(ErrorNumber::InputPastEnd, QStringLiteral("Input past end of file"));
        const char* data = bytes_.data();
        const void* found = std::memchr(data + pos_, '\n', static_cast<std::size_t>(size - pos_));
        const qsizetype end = found ? static_cast<const char*>(found) - data : size;
        qsizetype start = pos_;
        qsizetype stop = end;
        pos_ = end + 1;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        while (start < stop && (data[start] == ' ' || data[start] == '\t'))
            ++start;
        if (start < stop && data[start] == '"') {
            qsizetype close = stop - 1;
            while (close > start && data[close] != '"')
                --close;
            if (close > start)
                return QLatin1StringView(data + start + 1, close - start - 1);
            return QLatin1StringView(data + start + 1, stop - start - 1);
        }
        // Trimmed as text is: the ASCII blanks and control blanks at both ends.
        auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
        while (start < stop && space(data[start]))
            ++start;
        while (stop > start && space(data[stop - 1]))
            --stop;
        return QLatin1StringView(data + start, stop - start);
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// Lines in bytes (a last line without a line end counts).
qint64 linesIn(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return 0;
    return std::count(bytes.begin(), bytes.end(), '\n') + (bytes.endsWith('\n') ? 0 : 1);
}

// The byte just past the first lines line ends, or the end.
qsizetype pastLines(QByteArrayView bytes, int lines) {
    qsizetype pos = 0;
    for (int i = 0; i < lines; ++i) {
        const qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            return bytes.size();
        pos = end + 1;
    }
    return pos;
}

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (const char b : bytes)
        any |= static_cast<unsigned char>(b);
    return any < 0x80;
}

// Rounded halves to even; beyond the 64-bit range it stops at the range's ends (callers
// refuse such values anyway).
qint64 wholeNumber(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded > -9.0e18))
        return std::numeric_limits<qint64>::min();
    if (rounded > 9.0e18)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(rounded);
}

float toSingle(double value) {
    if (std::fabs(value) > FLT_MAX)
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    return static_cast<float>(value);
}

[[noreturn]] void badRecord() {
    RaiseError(ErrorNumber::InvalidProcedureCall,
               QStringLiteral("Invalid procedure call or argument"));
}

char16_t unitAt(QStringView text, qsizetype i) {
    return text.utf16()[i];
}

char16_t unitAt(QLatin1StringView text, qsizetype i) {
    return static_cast<unsigned char>(text.data()[i]);
}

// The next blank at or after from; the record must have it within its first 255 places.
template <class Text> qsizetype blankFrom(Text record, qsizetype from) {
    qsizetype at = from;
    while (at < record.size() && unitAt(record, at) != u' ')
        ++at;
    if (at >= record.size())
        badRecord();
    if (at + 1 > MaxRecordPosition)
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    return at;
}

QString paddedId(QStringView text, int length) {
    QString id = text.trimmed().left(length).toString();
    if (id.size() == length && id.at(length - 1).isHighSurrogate())
        id.chop(1);
    return id.leftJustified(length, u' ');
}

void appendValueLine(QByteArray& out, const QString& value) {
    out += '"';
    out += value.toUtf8();
    out += "\"\r\n";
}
// One record's values: "-1 -1 -1 0" is a sample that is not available, any other record
// holds x, y and z between its first three blanks.
template <class Text> void parseRecord(Text record, float& x, float& y, float& z, double& res) {
    x = y = z = NotAvailable;
    res = NotAvailable;
    if (record == QLatin1StringView(NotAvailableBytes))
        return;
    const qsizetype p1 = blankFrom(record, 0);
    const qsizetype p2 = blankFrom(record, p1 + 1);
    const qsizetype p3 = blankFrom(record, p2 + 1);
    x = toSingle(Val(record.left(p1 + 1), true));
    y = toSingle(Val(record.sliced(p1, p2 - p1), true));
    z = toSingle(Val(record.sliced(p2, p3 - p2), true));
    // Three -1 values are the not-available mark too, as older files wrote it.
    if (x == NotAvailable && y == NotAvailable && z == NotAvailable)
        return;
    const double dx = x, dy = y, dz = z;
    res = std::nearbyint(std::sqrt(dy * dy + dx * dx + dz * dz) * 100.0) / 100.0;
    // The statistics hold the resultants in single precision.
    if (res > FLT_MAX)
        badRecord();
}

// The sample records, one a line.
template <class Reader>
void readRecords(Reader& values, qint32 count, DataSet& data, const SessionLogProgress& progress) {
    for (qint32 i = 1; i <= count; ++i) {
        float x, y, z;
        double res;
        parseRecord(values.Next(), x, y, z, res);
        data.DataX[i] = x;
        data.DataY[i] = y;
        data.DataZ[i] = z;
        data.DataRes[i] = res;
        if (i % 10 == 0 && progress)
            progress(i, count);
    }
}

// A number as the records are written: an optional minus, digits, a point or comma and
// digits, 15 digits at most; its value as Val gives it (the digits as a whole number over a
// power of ten, both exact). Null when the text there has another form.
const char* shortNumber(const char* p, const char* end, double* value) {
    static constexpr double powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = p < end && *p == '-';
    p += negative;
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p, ++count)
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    if (p < end && (*p == '.' || *p == ',')) {
        for (++p; p < end && *p >= '0' && *p <= '9'; ++p, ++count, ++fraction)
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    if (count == 0 || count > 15)
        return nullptr;
    const double magnitude = static_cast<double>(digits) / powers[fraction];
    *value = negative ? -magnitude : magnitude;
    return p;
}

// A record line as the writer makes it: "x y z  0" in quotes, the line ended by CR LF, LF
// or the end of the file. Its three values and the start of the next line; null for any
// other line, which then goes the long way.
const char* writtenRecord(const char* p, const char* end, double* x, double* y, double* z) {
    if (p == end || *p++ != '"')
        return nullptr;
    p = shortNumber(p, end, x);
    if (!p || p == end || *p++ != ' ')
        return nullptr;
    p = shortNumber(p, end, y);
    if (!p || p == end || *p++ != ' ')
        return nullptr;
    p = shortNumber(p, end, z);
    if (!p || end - p < 4 || std::memcmp(p, "  0\"", 4) != 0)
        return nullptr;
    p += 4;
    if (p == end)
        return p;
    if (*p == '\n')
        return p + 1;
    if (*p == '\r' && (p + 1 == end || p[1] == '\n'))
        return p + 2 > end ? end : p + 2;
    return nullptr;
}

// The sample records of a file's plain-ASCII part, read in one pass over its bytes: each
// line converted where it stands, the usual line by the writer's form, any other the way
// the value reader takes it. False, with the arrays in any state, when the file is to be
// read value by value instead: a byte outside ASCII anywhere from the records on, a file
// with fewer records than its count, or a record that is refused (so that the long way
// says why, as it always has).
bool readRecordsInOnePass(QByteArrayView rest, qint32 count, DataSet& data,
                          const SessionLogProgress& progress) {
    // A record takes at least one byte: a count beyond the bytes cannot be met.
    if (count > rest.size())
        return false;
    const qsizetype size = qsizetype(count) + 1;
    data.DataX.resize(size);
    data.DataY.resize(size);
    data.DataZ.resize(size);
    data.DataRes.resize(size);
    float* xs = data.DataX.data();
    float* ys = data.DataY.data();
    float* zs = data.DataZ.data();
    double* rs = data.DataRes.data();
    xs[0] = ys[0] = zs[0] = 0.0f;
    rs[0] = 0.0;
    const char* p = rest.data();
    const char* const end = p + rest.size();
    try {
        for (qint32 i = 1; i <= count; ++i) {
            if (p == end)
                return false;
            double dx = 0, dy = 0, dz = 0;
            const char* next = writtenRecord(p, end, &dx, &dy, &dz);
            float x, y, z;
            double res = NotAvailable;
            if (next) {
                x = static_cast<float>(dx);
                y = static_cast<float>(dy);
                z = static_cast<float>(dz);
                if (!(x == NotAvailable && y == NotAvailable && z == NotAvailable)) {
                    const double fx = x, fy = y, fz = z;
                    res = std::nearbyint(std::sqrt(fy * fy + fx * fx + fz * fz) * 100.0) / 100.0;
                }
            } else {
                const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
                next = found ? static_cast<const char*>(found) + 1 : end;
                if (!isAscii(QByteArrayView(p, next - p)))
                    return false;
                AsciiValueReader line(QByteArrayView(p, next - p));
                parseRecord(line.Next(), x, y, z, res);
            }
            xs[i] = x;
            ys[i] = y;
            zs[i] = z;
            rs[i] = res;
            p = next;
            if (i % 10 == 0 && progress)
                progress(i, count);
        }
    } catch (const TrappedError&) {
        return false;
    }
    return isAscii(QByteArrayView(p, end - p));
}
} // namespace

QString SessionLogIdText(const QString& id) {
    QString text = id;
    for (QChar& c : text)
        if (c == u'"' || c.category() == QChar::Other_Control)
            c = u' ';
    return text.trimmed();
}

SaveRefusal CheckSavable(const DataSet& data) {
    if (data.NumSamples <= 0)
        return SaveRefusal::NoSamples;
    if (data.SampleStep <= 0 || !isUnitLetter(data.SampleStepUnit.trimmed()))
        return SaveRefusal::BadStep;
    if (!data.StartDate.isValid())
        return SaveRefusal::BadStartDate;
    return SaveRefusal::None;
}

QByteArray SessionLogBytes(const DataSet& data, const FileTextLocale& text,
                           const SessionLogProgress& progress) {
    const qint32 count = data.NumSamples;
    if (data.DataX.size() <= count || data.DataY.size() <= count || data.DataZ.size() <= count)
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    QByteArray header;
    appendValueLine(header, QString::fromLatin1(SessionLogHeader));
    const QDateTime stop = data.StopDate.isValid() ? data.StopDate : NoStopDate();
    appendValueLine(header, text.DateTimeText(data.StartDate).trimmed() + u'@' +
                                text.DateTimeText(stop).trimmed() + u'@' +
                                QString::number(data.StopReason));
    appendValueLine(header, QString::number(data.SampleStep) + data.SampleStepUnit.trimmed());
    appendValueLine(header, QString::number(count));
    appendValueLine(header, SessionLogIdText(data.IDShort));
    appendValueLine(header, SessionLogIdText(data.IDLong));
    // About 22 bytes a record: the whole file in one allocation in the usual case.
    TextBuffer out(header.size() + qsizetype(qMax(count, 0)) * 24 + SessionRecordRoom);
    out.Append(header);
    const char decimal = text.DecimalSeparator();
    const float* xs = data.DataX.constData();
    const float* ys = data.DataY.constData();
    const float* zs = data.DataZ.constData();
    auto write = [&](char* p, qint32 i) {
        const float x = xs[i], y = ys[i], z = zs[i];
        if (x == NotAvailable && y == NotAvailable && z == NotAvailable) {
            std::memcpy(p, NotAvailableRecord, sizeof NotAvailableRecord - 1);
            return p + sizeof NotAvailableRecord - 1;
        }
        return WriteSessionRecord(p, x, y, z, decimal);
    };
    // Records by the group where the processor lays several out at once: eight with the
    // 256-bit instructions, else four. A group that one way
    // cannot take (a sample that is not available, a value that needs the long way) is
    // taken by the next narrower way, down to record by record.
    auto writeGroup = [&](char* p, qint32 first, int size) {
        for (qint32 k = first; k < first + size; ++k)
            p = write(p, k);
        return p;
    };
    qint32 i = 1;
#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
    const bool eight = HasEightLanes();
#else
    const bool eight = false;
#endif
    auto writeFours = [&](char* p, qint32 first, int size) {
        for (qint32 k = first; k < first + size; k += 4) {
            char* end = WriteFourSessionRecords(p, xs + k, ys + k, zs + k, decimal);
            p = end ? end : writeGroup(p, k, 4);
        }
        return p;
    };
    auto writeEights = [&](char* p, qint32 first, int size) {
        if (!eight)
            return writeFours(p, first, size);
        for (qint32 k = first; k < first + size; k += 8) {
            char* end = nullptr;
#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
            end = WriteEightSessionRecords(p, xs + k, ys + k, zs + k, decimal);
#endif
            p = end ? end : writeFours(p, k, 8);
        }
        return p;
    };
    // Every tenth sample of first..end - 1 (first is 1 or more).
    auto reportProgress = [&](qint32 first, qint32 end) {
        if (progress)
            for (qint32 k = (first + 9) / 10 * 10; k < end; k += 10)
                progress(k, count);
    };
    while (i + 3 <= count) {
        const qint32 group = eight && i + 7 <= count ? 8 : 4;
        reportProgress(i, i + group);
        char* p = out.Room(group * SessionRecordRoom);
        out.Used(group >= 8 ? writeEights(p, i, group) : writeFours(p, i, group));
        i += group;
    }
#endif
    for (; i <= count; ++i) {
        if (i % 10 == 0 && progress)
            progress(i, count);
        out.Used(write(out.Room(SessionRecordRoom), i));
    }
    return out.Take();
}

namespace {
enum class RecordsRead { OnePass, ValueByValue };

// Past the six header lines a file is sample records, plain ASCII as it is written: those
// are read from the bytes as they are, and only the header is decoded. A file with other
// bytes there is decoded and read whole, value by value.
LoadRefusal readSessionLog(const QByteArray& bytes, const FileTextLocale& text, DataSet& data,
                           const SessionLogProgress& progress, RecordsRead way) {
    const QByteArrayView all(bytes);
    const qsizetype recordsStart = pastLines(all, 6);
    std::optional<AsciiValueReader> records;
    if (way == RecordsRead::OnePass || isAscii(all.sliced(recordsStart)))
        records.emplace(all.sliced(recordsStart));
    const QString content = DecodeFileText(records ? bytes.left(recordsStart) : bytes);
    ValueReader values(content);
    // A file that ends inside its header (an empty one too) is no session log.
    if (values.AtEnd() || values.Next() != QLatin1String(SessionLogHeader))
        return LoadRefusal::NotSessionLog;

    if (values.AtEnd())
        return LoadRefusal::NotSessionLog;
    const QStringView times = values.Next();
    if (times.size() > MaxTimesLength)
        return LoadRefusal::BadDate;
    const qsizetype at = times.indexOf(u'@');
    if (at >= 0) {
        if (!text.ParseDateTime(times.left(at), &data.StartDate))
            return LoadRefusal::BadDate;
        const QStringView rest = times.sliced(at + 1);
        const qsizetype second = rest.indexOf(u'@');
        if (!text.ParseDateTime(second >= 0 ? rest.left(second) : rest, &data.StopDate))
            return LoadRefusal::BadDate;
        // A line with one "@" only names no reason.
        const qint64 reason = second >= 0 ? wholeNumber(Val(rest.sliced(second + 1))) : -1;
        if (reason < std::numeric_limits<qint16>::min() ||
            reason > std::numeric_limits<qint16>::max())
            RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        data.StopReason = static_cast<qint16>(reason);
    } else {
        if (!text.ParseDateTime(times, &data.StartDate))
            return LoadRefusal::BadDate;
        data.StopDate = NoStopDate();
        data.StopReason = -1;
    }

    if (values.AtEnd())
        return LoadRefusal::NotSessionLog;
    const QStringView stepText = values.Next().trimmed();
    if (stepText.size() > MaxNumberLength)
        return LoadRefusal::BadStep;
    const double step = Val(stepText);
    const QString unit = stepText.isEmpty() ? QString() : stepText.right(1).toString().toLower();
    if (!(step > 0) || wholeNumber(step) < 1 || step > double(std::numeric_limits<qint32>::max()) ||
        !isUnitLetter(unit))
        return LoadRefusal::BadStep;
    data.SampleStep = static_cast<qint32>(wholeNumber(step));
    data.SampleStepUnit = unit;

    if (values.AtEnd())
        return LoadRefusal::NotSessionLog;
    const QStringView countText = values.Next().trimmed();
    if (countText.size() > MaxNumberLength)
        return LoadRefusal::BadCount;
    const double countValue = Val(countText);
    if (!(countValue > 0) || wholeNumber(countValue) < 1 ||
        countValue > double(std::numeric_limits<qint32>::max()))
        return LoadRefusal::BadCount;
    const qint32 count = static_cast<qint32>(wholeNumber(countValue));
    data.NumSamples = count;

    // Every sample time must be a date-time: the end date lies one step past the last.
    data.DataEndDate = DateAdd(unit, qint64(data.SampleStep) * count, data.StartDate);
    if (!data.DataEndDate.isValid() || data.DataEndDate.date().year() > 9999)
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));

    if (values.AtEnd())
        return LoadRefusal::NotSessionLog;
    data.IDShort = paddedId(values.Next(), IdShortLength);
    if (values.AtEnd())
        return LoadRefusal::NotSessionLog;
    data.IDLong = paddedId(values.Next(), IdLongLength);

    if (way == RecordsRead::OnePass) {
        if (!readRecordsInOnePass(all.sliced(recordsStart), count, data, progress))
            return LoadRefusal::NotSessionLog; // read again value by value
        RecomputeStatistics(data);
        return LoadRefusal::None;
    }
    // A file cut short holds fewer records than its count: refused before anything is sized
    // by that count.
    if ((records ? linesIn(all.sliced(recordsStart)) : values.LinesLeft()) < count)
        return LoadRefusal::NotSessionLog;
    const qsizetype size = qsizetype(count) + 1;
    data.DataX.fill(0.0f, size);
    data.DataY.fill(0.0f, size);
    data.DataZ.fill(0.0f, size);
    data.DataRes.fill(0.0, size);

    if (records)
        readRecords(*records, count, data, progress);
    else
        readRecords(values, count, data, progress);
    RecomputeStatistics(data);
    return LoadRefusal::None;
}
} // namespace

LoadRefusal ReadSessionLog(const QByteArray& bytes, const FileTextLocale& text, DataSet& data,
                           const SessionLogProgress& progress) {
    // The usual file goes in one pass over its bytes; anything else the first way does not
    // take (a refusal, a record it cannot read, a byte outside ASCII among the records) is
    // read again from the start value by value, which says why.
    DataSet before = data;
    try {
        if (readSessionLog(bytes, text, data, progress, RecordsRead::OnePass) == LoadRefusal::None)
            return LoadRefusal::None;
    } catch (const TrappedError&) {
    }
    data = std::move(before);
    return readSessionLog(bytes, text, data, progress, RecordsRead::ValueByValue);
}

LoadRefusal ReadSessionLogValueByValue(const QByteArray& bytes, const FileTextLocale& text,
                                       DataSet& data, const SessionLogProgress& progress) {
    return readSessionLog(bytes, text, data, progress, RecordsRead::ValueByValue);
}
