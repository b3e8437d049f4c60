#include "tests/views/table/table_fixture.h"

#include "text/date_math.h"

DataSet MakeData(std::initializer_list<Sample> samples) {
    return MakeData(std::vector<Sample>(samples));
}

DataSet MakeData(const std::vector<Sample>& samples) {
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = static_cast<qint32>(samples.size());
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.SampleStep = 1;
    data.SampleStepUnit = QStringLiteral("n");
    data.IDShort = QStringLiteral("  KL720 A       ");
    data.IDLong = QStringLiteral("Via Roma 1                                      ");
    data.DataSourceName = QStringLiteral("Upload");
    const qsizetype size = data.NumSamples + 1;
    data.DataX = QVector<float>(size, 0);
    data.DataY = QVector<float>(size, 0);
    data.DataZ = QVector<float>(size, 0);
    data.DataRes = QVector<double>(size, 0);
    for (qint32 i = 1; i <= data.NumSamples; ++i) {
        const Sample& s = samples[static_cast<size_t>(i - 1)];
        data.DataX[i] = s.x;
        data.DataY[i] = s.y;
        data.DataZ[i] = s.z;
        data.DataRes[i] = s.res;
    }
    SortAndMedian(data);
    return data;
}

void SortAndMedian(DataSet& data) {
    RecomputeStatistics(data);
}

QStringList Lines(const QByteArray& text) {
    return QString::fromUtf8(text).split(QStringLiteral("\r\n"));
}
