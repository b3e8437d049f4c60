#include "platform/code_page.h"

#include <QStringDecoder>

namespace {
// Windows-1252 at 0x80..0x9F; the five unassigned bytes map to the control characters of
// the same number, as the platform's own conversion does.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x80 && byte <= 0x9F) ? QChar(HighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::optional<char> Windows1252Byte(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

QString DecodeSystemText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QByteArray EncodeSystemText(const QString& text) {
    return text.toUtf8();
}

QByteArray EncodeFixedText(const QString& text, int length) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > length) {
        qsizetype cut = length;
        // Back off to the first byte of the character that would be split.
        while (cut > 0 && isContinuation(bytes.at(cut)))
            --cut;
        bytes.truncate(cut);
    }
    if (bytes.size() < length)
        bytes.append(QByteArray(length - bytes.size(), ' '));
    return bytes;
}
