#include "tests/views/graphs/graphs_fixture.h"

#include "text/date_math.h"

#include <algorithm>

OptionsRecord GraphOptions() {
    OptionsRecord o;
    o.SeriesColor = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
    o.GraphColor4 = 0x123456;
    o.GraphColor5 = 0xE0E0E0;
    o.GraphColor6 = 0xD0D0D0;
    o.Threshold = 0.2f;
    o.ThresholdColor = 0xFF00FF;
    return o;
}

DataSet MakeSamples(std::initializer_list<Xyz> samples) {
    DataSet d;
    d.DataPresent = true;
    d.NumSamples = static_cast<qint32>(samples.size());
    d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    d.SampleStep = 1;
    d.SampleStepUnit = QStringLiteral("n");
    d.DataX = {0};
    d.DataY = {0};
    d.DataZ = {0};
    d.DataRes = {0};
    d.DataRf = {0};
    float maxRes = 0, minRes = 1e9f;
    for (const Xyz& s : samples) {
        d.DataX.append(s.x);
        d.DataY.append(s.y);
        d.DataZ.append(s.z);
        d.DataRes.append(s.res);
        d.DataRf.append(s.x * 10);
        if (s.res > 0) {
            maxRes = std::max(maxRes, float(s.res));
            minRes = std::min(minRes, float(s.res));
        }
    }
    d.ResMax = maxRes;
    d.ResMin = minRes > maxRes ? 0 : minRes;
    d.CsvRfMax = 30;
    d.CsvRfMin = 10;
    return d;
}

DataSet MakeRamp(qint32 count) {
    DataSet d = MakeSamples({});
    d.NumSamples = count;
    for (qint32 i = 1; i <= count; ++i) {
        d.DataX.append(0.1f);
        d.DataY.append(0.2f);
        d.DataZ.append(0.3f);
        d.DataRes.append(0.5 + i % 10 * 0.01);
        d.DataRf.append(1);
    }
    d.ResMax = 0.59f;
    d.ResMin = 0.5f;
    return d;
}
