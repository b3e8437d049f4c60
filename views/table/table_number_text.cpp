#include "views/table/table_number_text.h"

#include "text/format_pattern.h"

#include <QLocale>

#include <cstring>

namespace {
template <class T> int writeFixed2(char* buffer, T value, const QByteArray& decimalPoint) {
    QLocale locale;
    QString text = FormatPattern(value, u"#0.00", locale);
    if (decimalPoint != locale.decimalPoint().toUtf8())
        text.replace(locale.decimalPoint(), QString::fromUtf8(decimalPoint));
    const QByteArray bytes = text.toUtf8();
    const int length = static_cast<int>(qMin<qsizetype>(bytes.size(), Fixed2Room));
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(length));
    return length;
}
} // namespace

int WriteFixed2(char* buffer, float value, const QByteArray& decimalPoint) {
    return writeFixed2(buffer, value, decimalPoint);
}

int WriteFixed2(char* buffer, double value, const QByteArray& decimalPoint) {
    return writeFixed2(buffer, value, decimalPoint);
}

void AppendFixed2(QByteArray& out, float value, const QByteArray& decimalPoint) {
    char buffer[Fixed2Room];
    out.append(buffer, WriteFixed2(buffer, value, decimalPoint));
}

void AppendFixed2(QByteArray& out, double value, const QByteArray& decimalPoint) {
    char buffer[Fixed2Room];
    out.append(buffer, WriteFixed2(buffer, value, decimalPoint));
}
