#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

struct DataSet;

enum class TableOrder { Time, Value };

// The data-table text of a data set: the header, an empty line and one row per sample.
struct DataTable {
    QByteArray text;      // UTF-8, every line ended by CR LF, as the report file holds it
    int headerOffset = 7; // 0-based text line of the first data row
    int medianRow = -1;   // 0-based among the data rows; -1 when no median is known
};

// Lines before the first data row: 7, or 8 for a station import (one header line more).
int TableHeaderOffset(const DataSet& data);

// The samples 1..NumSamples in the order of their resultant, smallest first. Taken from
// the sorted arrays when they hold exactly this data set's samples in ascending order
// (the sort's empty element 0 left out), else sorted here as SortByValue sorts them.
std::vector<qint32> ValueOrder(const DataSet& data);

// The sample the median stands on (the one at MedianIndex in the value order), or -1 when
// there is no median or it names no sample of this data set.
qint32 MedianSample(const DataSet& data);

DataTable BuildDataTable(const DataSet& data, TableOrder order);

// Fixed texts of the table.
inline constexpr const char* MedianCaption = "         Mediana dei dati :";
inline constexpr const char* MedianUnit = "(uT)";
inline constexpr const char* NotAvailableMarker = " NOT AVAILABLE - OPERATING GSM";
