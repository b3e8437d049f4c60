#pragma once

#include "data/dataset.h"

#include <QStringList>

// The lines that open the data table and its CSV export, without their line ends: the
// title, the two identification texts (blanks trimmed) and the data source, each after its
// caption.
QStringList TableTitleLines(const DataSet& data);
