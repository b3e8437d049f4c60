#pragma once

#include <QByteArray>

// Turns the download's reply (the whole frame: "<", the length, the echoed 4, the memory
// image, the CRC) into the current data set, with its statistics, median and warnings.
// True on success; a refused or failed image leaves the current data set untouched, and
// the user is told why.
bool SplitUploadData(const QByteArray& reply);
