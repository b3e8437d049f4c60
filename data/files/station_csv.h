#pragma once

#include "data/dataset.h"
#include "text/file_text_locale.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// The station CSV file of a fixed monitoring station: one record a line (LF, CR LF or CR
// line ends; a last line without one counts too), seven fields separated by ",": the
// record's date-time in the locale's text, x, y, z, an auxiliary value (-100 = none), RF,
// and the resultant. Numbers are read with "." as the decimal separator whatever the
// locale. Blank lines are passed over.

// The most records one import takes; the rest of a longer file is left out.
inline constexpr qint32 StationCsvMaxRecords = 20000;

// Why a file is not taken.
enum class StationCsvRefusal {
    None,
    Empty,      // not one record
    FieldCount, // a record without exactly seven fields
    BadDate,    // field 1 of record 1 or 2 is no date-time
    BadNumber,  // a number field that is no number
};

struct StationCsvResult {
    StationCsvRefusal refusal = StationCsvRefusal::None;
    qint32 line = 0;    // the line of the refused record (1-based)
    int field = 0;      // its field (1..7), or the number of fields it has for FieldCount
    qint32 leftOut = 0; // records past the cap
};

// Called every time the reading passes another 1000 characters of the file.
using StationCsvProgress = std::function<void()>;

// Reads the file's bytes into data (a fresh data set: the caller replaces the current one
// only on success): the samples with the RF channel, the start from record 1, the fixed
// 5-second step, the auxiliary and RF statistics over the records taken (auxiliary values
// of -100 left out), the end date and the statistics of the resultants. The caller sets
// the file name.
StationCsvResult ReadStationCsv(QByteArrayView bytes, const FileTextLocale& text, DataSet& data,
                                const StationCsvProgress& progress = {});

// The message for a refusal, naming the line.
QString StationCsvRefusalText(const StationCsvResult& result);

// Imports the station file as the current data set under the wait box; true when
// imported. A refused file leaves the current data set as it was and says why; a file
// longer than the cap is taken up to it, and the user is told how many records were left
// out.
bool OpenCsv(const QString& FileName);
