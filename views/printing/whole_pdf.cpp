#include "views/printing/whole_pdf.h"

#include <charconv>
#include <cstring>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f' || c == '\0';
}

// A reader of the blank-separated words of the file from a place on.
class Words {
public:
    Words(const QByteArray& bytes, qsizetype at) : bytes_(bytes), at_(at) {}

    // The next word, or an empty one at the end.
    QByteArray Next() {
        while (at_ < bytes_.size() && IsBlank(bytes_[at_]))
            ++at_;
        const qsizetype start = at_;
        while (at_ < bytes_.size() && !IsBlank(bytes_[at_]))
            ++at_;
        return bytes_.mid(start, at_ - start);
    }
    // The next word as a whole number not below 0, or -1.
    qint64 Number() {
        const QByteArray word = Next();
        qint64 value = -1;
        const auto [end, error] =
            std::from_chars(word.constData(), word.constData() + word.size(), value);
        return error == std::errc() && end == word.constData() + word.size() && !word.isEmpty()
                   ? value
                   : -1;
    }

private:
    const QByteArray& bytes_;
    qsizetype at_;
};

// The object numbered number begins at offset ("number generation obj").
bool ObjectAt(const QByteArray& bytes, qint64 offset, qint64 number) {
    if (offset <= 0 || offset >= bytes.size())
        return false;
    Words words(bytes, offset);
    return words.Number() == number && words.Number() >= 0 && words.Next() == "obj";
}

// The cross-reference table at offset, each object in use where it says.
bool TableHolds(const QByteArray& bytes, qint64 offset) {
    Words words(bytes, offset);
    if (words.Next() != "xref")
        return false;
    bool any = false;
    for (;;) {
        Words ahead = words;
        if (ahead.Next() == "trailer")
            return any;
        const qint64 first = words.Number();
        const qint64 count = words.Number();
        if (first < 0 || count <= 0)
            return false;
        for (qint64 i = 0; i < count; ++i) {
            const qint64 place = words.Number();
            const qint64 generation = words.Number();
            const QByteArray kind = words.Next();
            if (place < 0 || generation < 0 || (kind != "n" && kind != "f"))
                return false;
            if (kind == "n" && !ObjectAt(bytes, place, first + i))
                return false;
        }
        any = true;
    }
}
} // namespace

bool IsWholePdf(const QByteArray& bytes) {
    if (!bytes.startsWith("%PDF-"))
        return false;
    qsizetype end = bytes.size();
    while (end > 0 && IsBlank(bytes[end - 1]))
        --end;
    if (end < 5 || std::memcmp(bytes.constData() + end - 5, "%%EOF", 5) != 0)
        return false;
    const qsizetype trailer = bytes.lastIndexOf("startxref", end);
    if (trailer < 0)
        return false;
    Words words(bytes, trailer + qsizetype(std::strlen("startxref")));
    const qint64 table = words.Number();
    if (table <= 0 || table >= trailer)
        return false;
    if (bytes.mid(table, 4) == "xref")
        return TableHolds(bytes, table);
    // A cross-reference stream is an object of its own.
    Words object(bytes, table);
    return object.Number() > 0 && object.Number() >= 0 && object.Next() == "obj";
}
