#pragma once

#include "data/dataset.h"
#include "text/date_math.h"

// The data set a loading target puts in place before each input: a refused file must leave
// it exactly as it was.
inline DataSet SentinelData() {
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = 2;
    data.SampleStep = 7;
    data.SampleStepUnit = QStringLiteral("h");
    data.StartDate = NaiveDateTime(2020, 2, 29, 1, 2, 3);
    data.CurrentFileName = QStringLiteral("sentinel.log");
    data.DataX = {0, 1, 2};
    data.DataY = {0, 3, 4};
    data.DataZ = {0, 5, 6};
    data.DataRes = {0, 5.92, 7.48};
    return data;
}

// True while d holds SentinelData()'s samples, step, start and file name.
inline bool HoldsSentinelData(const DataSet& d) {
    const DataSet s = SentinelData();
    return d.DataPresent && d.NumSamples == s.NumSamples && d.SampleStep == s.SampleStep &&
           d.SampleStepUnit == s.SampleStepUnit && d.StartDate == s.StartDate &&
           d.CurrentFileName == s.CurrentFileName && d.DataX == s.DataX && d.DataY == s.DataY &&
           d.DataZ == s.DataZ && d.DataRes == s.DataRes;
}
