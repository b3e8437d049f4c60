#pragma once

#include "data/dataset.h"
#include "text/date_math.h"

// A downloaded data set of count samples one minute apart from 9 December 2026 07:44:47,
// with the identification padded as the instrument keeps it; every value 0 until the test
// sets it. Only for tests that link the data layer.
inline DataSet DownloadedZeros(qint32 count) {
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = count;
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.SampleStep = 1;
    data.SampleStepUnit = QStringLiteral("n");
    data.IDShort = QStringLiteral("  KL720 A       ");
    data.IDLong = QStringLiteral("Via Roma 1                                      ");
    data.DataSourceName = QStringLiteral("Upload");
    const qsizetype size = qsizetype(count) + 1;
    data.DataX = QVector<float>(size, 0);
    data.DataY = QVector<float>(size, 0);
    data.DataZ = QVector<float>(size, 0);
    data.DataRes = QVector<double>(size, 0);
    return data;
}
