#pragma once

// The benchmarks' sample data.
#include "data/dataset.h"
#include "text/date_math.h"

#include <QRandomGenerator>

#include <cmath>

// A downloaded data set of values as the instrument gives them (hundredths of a µT, the same
// values every run), one sample in a thousand not available, stepSeconds apart from
// 9 December 2026 07:44:47.
inline DataSet InstrumentSamples(qint32 samples, qint32 stepSeconds) {
    DataSet d;
    d.DataPresent = true;
    d.NumSamples = samples;
    d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    d.SampleStep = stepSeconds;
    d.SampleStepUnit = QStringLiteral("s");
    d.IDShort = QStringLiteral("KL720 A");
    d.IDLong = QStringLiteral("Via Roma 1");
    d.DataSourceName = QStringLiteral("Upload");
    d.DataX.resize(samples + 1);
    d.DataY.resize(samples + 1);
    d.DataZ.resize(samples + 1);
    d.DataRes.resize(samples + 1);
    QRandomGenerator random(720);
    for (qint32 i = 1; i <= samples; ++i) {
        if (i % 1000 == 0) {
            d.DataX[i] = d.DataY[i] = d.DataZ[i] = -1;
            d.DataRes[i] = -1;
            continue;
        }
        const float x = random.bounded(20000) / 100.0f;
        const float y = random.bounded(2000) / 100.0f;
        const float z = random.bounded(200) / 100.0f;
        d.DataX[i] = x;
        d.DataY[i] = y;
        d.DataZ[i] = z;
        d.DataRes[i] =
            std::nearbyint(std::sqrt(double(x) * x + double(y) * y + double(z) * z) * 100) / 100;
    }
    return d;
}
