#include "platform/file_filter.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

QString QtFilterFromParts(const QString& parts) {
    const QStringList fields = parts.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QString name = fields.at(i).trimmed();
        QStringList patterns;
        for (const QString& pattern : fields.at(i + 1).split(u';', Qt::SkipEmptyParts))
            patterns.append(pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*")
                                                                      : pattern.trimmed());
        const QString qtPatterns = QStringLiteral("(") + patterns.join(u' ') + u')';
        // Qt reads the patterns from the name's trailing brackets: replace those the name
        // shows rather than add a second pair.
        static const QRegularExpression trailing(QStringLiteral(R"(\s*\([^()]*\)$)"));
        name.remove(trailing);
        filters.append(name + u' ' + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString WithFilterSuffix(const QString& fileName, const QString& filters, int filterIndex) {
    const QStringList entries = filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (fileName.isEmpty() || filterIndex < 0 || filterIndex >= entries.size())
        return fileName;
    // A name typed with a trailing dot or one naming its own kind keeps it.
    const QString last =
        fileName.mid(qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\')) + 1);
    if (last.isEmpty() || last.contains(u'.'))
        return fileName;
    const QString suffix = FilterSuffix(entries.at(filterIndex));
    return suffix.isEmpty() ? fileName : fileName + u'.' + suffix;
}
