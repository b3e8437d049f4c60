#pragma once

#include "data/dataset.h"
#include "text/file_text_locale.h"

#include <QByteArray>

#include <functional>

// The session log ".log": one quoted value per line, CR LF line ends. Line 1 the header,
// line 2 start, stop and stop reason joined by "@", line 3 step and unit letter, line 4
// the sample count, lines 5 and 6 the identification texts, then one record per sample
// ("x y z  0", or "-1 -1 -1 0" for a sample that is not available).

inline constexpr const char* SessionLogHeader = "Field Activity Log";

// Called every tenth sample with the sample number and the count.
using SessionLogProgress = std::function<void(qint32 sample, qint32 count)>;

// Why a data set cannot be written in a form the reader takes back.
enum class SaveRefusal { None, NoSamples, BadStep, BadStartDate };
SaveRefusal CheckSavable(const DataSet& data);

// The file's bytes for a data set that CheckSavable accepts. A quote mark or a control
// character in an identification text becomes a blank, so that the file stays readable.
QByteArray SessionLogBytes(const DataSet& data, const FileTextLocale& text,
                           const SessionLogProgress& progress = {});

// Why a file is not taken as a session log; the reader's own refusals, each with its
// message. Malformed records and a short file raise an error instead.
enum class LoadRefusal { None, NotSessionLog, BadDate, BadStep, BadCount };

// Reads a session log into data (a fresh data set: the caller replaces the current one
// only on success). Fills the dates, step, count, identification texts, samples and the
// end date, then the sample time texts and the statistics with the median, as every loader
// does; the caller sets the source, the file name and the flags.
LoadRefusal ReadSessionLog(const QByteArray& bytes, const FileTextLocale& text, DataSet& data,
                           const SessionLogProgress& progress = {});

// The same, the records read value by value the long way (each line cut out, trimmed and
// its values read as text): what ReadSessionLog gives for every file.
LoadRefusal ReadSessionLogValueByValue(const QByteArray& bytes, const FileTextLocale& text,
                                       DataSet& data, const SessionLogProgress& progress = {});

// The identification text as it is written: quote marks and control characters blanked,
// blanks at both ends removed.
QString SessionLogIdText(const QString& id);
