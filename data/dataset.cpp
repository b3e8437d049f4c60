#include "data/dataset.h"

#include "data/dates/date_math.h"

DataSet& CurrentData() {
    static DataSet data;
    return data;
}

void ReplaceCurrentData(DataSet&& loaded) {
    CurrentData() = std::move(loaded);
}

QDateTime NoStopDate() {
    return NaiveDateTime(2001, 1, 1, 1, 1, 1);
}
