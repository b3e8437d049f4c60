#include "shell/about/about_texts.h"

QString AboutVersionText(const QString& versionCaption, int major, int minor, int revision) {
    return QStringLiteral("KL720 ") + versionCaption + QStringLiteral(" : ") +
           QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString AboutMemoryText(const QString& memoryCaption, qint32 memoryBytes, const QLocale& locale) {
    const double kilobits = static_cast<double>(static_cast<qint64>(memoryBytes) * 8) / 1024.0;
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return memoryCaption + QStringLiteral(" : ") + plain.toString(kilobits, 'g', 15) +
           QStringLiteral(" Kbit");
}
