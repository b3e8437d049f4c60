// Any bytes as the language table: a table that is read, written back with its escapes,
// reads as the same texts.
#include "core/language.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "language table fuzz: %s\n", what);
    std::abort();
}

QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QHash<int, QString> texts;
    if (!ParseLanguageTable(bytes, texts))
        return 0;
    QString table;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.key() < 0 || it.key() >= 10000)
            breach("an id out of the table's range");
        if (it.key() >= 5000)
            continue;
        if (!texts.contains(it.key() + 5000))
            breach("an Italian text without its English one");
        table += QString::number(it.key()) + u'\t' + escaped(it.value()) + u'\t' +
                 escaped(texts.value(it.key() + 5000)) + QStringLiteral("\r\n");
    }
    QHash<int, QString> back;
    if (!ParseLanguageTable(table.toUtf8(), back))
        breach("a table written back is refused");
    if (back != texts)
        breach("a table written back reads otherwise");
    return 0;
}
