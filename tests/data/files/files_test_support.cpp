#include "tests/data/files/files_test_support.h"

#include "core/language.h"
#include "platform/paths.h"

#include <cmath>

DataSet MakeDataSet(std::initializer_list<SampleXYZ> samples) {
    DataSet data;
    data.DataPresent = true;
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.StopDate = NaiveDateTime(2026, 12, 9, 9, 44, 47);
    data.StopReason = 1;
    data.SampleStep = 5;
    data.SampleStepUnit = QStringLiteral("s");
    data.NumSamples = static_cast<qint32>(samples.size());
    data.IDShort = QStringLiteral("SN001").leftJustified(IdShortLength);
    data.IDLong = QStringLiteral("Cantiere nord").leftJustified(IdLongLength);
    data.DataSourceName = QStringLiteral("Upload");
    data.DataX.append(0);
    data.DataY.append(0);
    data.DataZ.append(0);
    data.DataRes.append(0);
    for (const SampleXYZ& s : samples) {
        data.DataX.append(s.x);
        data.DataY.append(s.y);
        data.DataZ.append(s.z);
        const bool missing = s.x == -1 && s.y == -1 && s.z == -1;
        const double r = std::sqrt(double(s.y) * s.y + double(s.x) * s.x + double(s.z) * s.z);
        data.DataRes.append(missing ? -1.0 : std::nearbyint(r * 100) / 100);
    }
    return data;
}

QByteArray QuotedLines(const QStringList& values) {
    QByteArray out;
    for (const QString& v : values)
        out += '"' + v.toUtf8() + "\"\r\n";
    return out;
}

LanguageLoaded::LanguageLoaded() {
    SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
    InitLibrary(QStringLiteral("Language.dll"));
    SetLanguage(0);
    SetProgramFolderForTests(QString());
}

LanguageLoaded::~LanguageLoaded() {
    FreeResLibrary();
}
