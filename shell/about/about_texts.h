#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

// The about box's two computed lines.

// "KL720 " + the version caption + " : " + major.minor.revision.
QString AboutVersionText(const QString& versionCaption, int major, int minor, int revision);
// The memory caption + " : " + the size in kilobits + " Kbit" (65536 bytes give 512). The
// size is worked out in 64 bits and shown as the locale writes a number, so no stored size
// overflows it.
QString AboutMemoryText(const QString& memoryCaption, qint32 memoryBytes,
                        const QLocale& locale = QLocale());
