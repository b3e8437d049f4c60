#include "tests/views/table/table_fixture.h"

#include "tests/support/downloaded_data.h"

DataSet MakeData(std::initializer_list<Sample> samples) {
    return MakeData(std::vector<Sample>(samples));
}

DataSet MakeData(const std::vector<Sample>& samples) {
    DataSet data = DownloadedZeros(static_cast<qint32>(samples.size()));
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
