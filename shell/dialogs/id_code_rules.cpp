#include "shell/dialogs/id_code_rules.h"

#include "core/language.h"
#include "platform/code_page.h"

QString FilterIdText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (c != u'"' && c.category() != QChar::Other_Control && Windows1252Byte(c))
            kept.append(c);
    return kept;
}

QString PadIdText(const QString& text, int width) {
    return text.leftJustified(width, u' ');
}

QString IdLengthMessage(const QString& text, int width) {
    if (text.size() <= width)
        return QString();
    return ResString(28) + QStringLiteral("(Max %1)").arg(width);
}
