#pragma once

#include "data/dataset.h"

#include <QLocale>
#include <QString>

#include <vector>

// How much a remark of the summary matters. The value is also the number of the picture
// the warnings pane shows beside it.
enum class WarningLevel : int {
    Fine = 2,      // a figure worth knowing
    Attention = 3, // something the user should look at
};

struct WarningRow {
    QString Text;
    WarningLevel Level = WarningLevel::Fine;
    friend bool operator==(const WarningRow&, const WarningRow&) = default;
};

// The remarks on a data set, in the order the pane lists them: how the recording stopped
// and whether it ended where it was programmed to (or, for station data, the extra
// channels), then the share of samples above threshold, the spread of the resultant and
// the times of its extremes. Samples that are not available (-1) take no part in the
// figures; with no available sample the figures read "---".
std::vector<WarningRow> BuildWarnings(const DataSet& data, float threshold,
                                      const QLocale& locale = QLocale());

// The stand-in stop time of a recording whose stop the instrument could not give.
QDateTime UnknownStopDate();
