// The options file is one fixed record with no header, no version and no padding:
//
//   offset  bytes  field
//        0      1  CommPort (unsigned)
//        1      1  Language (unsigned)
//        2      2  ConnectOnStart
//        4   4 x 4 SeriesColor(0..3)
//       20      4  GraphColor5
//       24      4  GraphColor4
//       28      4  GraphColor6
//       32      4  Spare1
//       36      4  DrawingColor
//       40      4  Spare2
//       44      4  LowRangeColor
//       48      4  HighRangeColor
//       52      2  WindowState (signed)
//       54 5x4096  MRU(0..4)
//    20534   4096  LastFolder
//    24630  7 x 2  InfoPaneDocked, InfoPaneVisible, ShowWarningsOnLoad, OpenGraphTeOnLoad,
//                  OpenGraphStOnLoad, OpenSourceOnLoad, WarnOnDate
//    24644      4  Threshold (IEEE single)
//    24648      4  ThresholdColor
//    24652      4  MemorySize (signed)
//    24656      2  DefaultsMade
//    24658         end
//
// Little-endian throughout. Booleans are 16-bit, -1 for true and 0 for false (any
// non-zero value reads as true). Colours are 32-bit with red in the low byte. Texts are
// fixed fields of 8-bit characters padded with blanks.
#include "core/options.h"

#include "platform/code_page.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace {
class RecordWriter {
public:
    RecordWriter() { bytes_.reserve(OptionsFileSize); }
    void U8(quint8 v) { bytes_.append(static_cast<char>(v)); }
    void I16(qint16 v) { put(qToLittleEndian(v)); }
    void U32(quint32 v) { put(qToLittleEndian(v)); }
    void I32(qint32 v) { put(qToLittleEndian(v)); }
    void Bool(bool v) { I16(v ? -1 : 0); }
    void Single(float v) { U32(std::bit_cast<quint32>(v)); }
    void Text(const QString& v) { bytes_.append(EncodeFixedText(v, OptionsTextLength)); }
    QByteArray Bytes() const { return bytes_; }

private:
    template <class T> void put(T v) {
        char raw[sizeof(T)];
        std::memcpy(raw, &v, sizeof(T));
        bytes_.append(raw, sizeof(T));
    }
    QByteArray bytes_;
};

class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes) : data_(bytes.constData()) {}
    quint8 U8() { return static_cast<quint8>(data_[pos_++]); }
    qint16 I16() { return qFromLittleEndian<qint16>(take(2)); }
    quint32 U32() { return qFromLittleEndian<quint32>(take(4)); }
    qint32 I32() { return qFromLittleEndian<qint32>(take(4)); }
    bool Bool() { return I16() != 0; }
    float Single() { return std::bit_cast<float>(U32()); }
    QString Text() {
        QString text = DecodeSystemText(QByteArray(take(OptionsTextLength), OptionsTextLength));
        // Zero bytes written by another program would otherwise hide inside a path.
        text.replace(QChar(u'\0'), QChar(u' '));
        // Multi-byte characters make the text shorter than its field: it stays a fixed text.
        return text.leftJustified(OptionsTextLength, u' ');
    }

private:
    const char* take(int n) {
        const char* at = data_ + pos_;
        pos_ += n;
        return at;
    }
    const char* data_;
    qsizetype pos_ = 0;
};
} // namespace

QByteArray OptionsToBytes(const OptionsRecord& r) {
    RecordWriter w;
    w.U8(r.CommPort);
    w.U8(r.Language);
    w.Bool(r.ConnectOnStart);
    for (quint32 colour : r.SeriesColor)
        w.U32(colour);
    w.U32(r.GraphColor5);
    w.U32(r.GraphColor4);
    w.U32(r.GraphColor6);
    w.I32(r.Spare1);
    w.U32(r.DrawingColor);
    w.I32(r.Spare2);
    w.U32(r.LowRangeColor);
    w.U32(r.HighRangeColor);
    w.I16(r.WindowState);
    for (const QString& slot : r.MRU)
        w.Text(slot);
    w.Text(r.LastFolder);
    w.Bool(r.InfoPaneDocked);
    w.Bool(r.InfoPaneVisible);
    w.Bool(r.ShowWarningsOnLoad);
    w.Bool(r.OpenGraphTeOnLoad);
    w.Bool(r.OpenGraphStOnLoad);
    w.Bool(r.OpenSourceOnLoad);
    w.Bool(r.WarnOnDate);
    w.Single(r.Threshold);
    w.U32(r.ThresholdColor);
    w.I32(r.MemorySize);
    w.Bool(r.DefaultsMade);
    return w.Bytes();
}

bool OptionsFromBytes(const QByteArray& bytes, OptionsRecord& record) {
    if (bytes.size() != OptionsFileSize)
        return false;
    RecordReader in(bytes);
    OptionsRecord r;
    r.CommPort = in.U8();
    r.Language = in.U8();
    r.ConnectOnStart = in.Bool();
    for (quint32& colour : r.SeriesColor)
        colour = in.U32();
    r.GraphColor5 = in.U32();
    r.GraphColor4 = in.U32();
    r.GraphColor6 = in.U32();
    r.Spare1 = in.I32();
    r.DrawingColor = in.U32();
    r.Spare2 = in.I32();
    r.LowRangeColor = in.U32();
    r.HighRangeColor = in.U32();
    r.WindowState = in.I16();
    for (QString& slot : r.MRU)
        slot = in.Text();
    r.LastFolder = in.Text();
    r.InfoPaneDocked = in.Bool();
    r.InfoPaneVisible = in.Bool();
    r.ShowWarningsOnLoad = in.Bool();
    r.OpenGraphTeOnLoad = in.Bool();
    r.OpenGraphStOnLoad = in.Bool();
    r.OpenSourceOnLoad = in.Bool();
    r.WarnOnDate = in.Bool();
    r.Threshold = in.Single();
    r.ThresholdColor = in.U32();
    r.MemorySize = in.I32();
    r.DefaultsMade = in.Bool();
    record = std::move(r);
    return true;
}
