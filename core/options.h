#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>

// The one settings record, held in memory as the program uses it. On disk it is one
// fixed binary record of OptionsFileSize bytes (see options_codec.cpp for the layout).
struct OptionsRecord {
    quint8 CommPort = 0;
    quint8 Language = 0;
    bool ConnectOnStart = false;
    std::array<quint32, 4> SeriesColor{}; // RGB, red in the low byte
    quint32 GraphColor5 = 0;
    quint32 GraphColor4 = 0;
    quint32 GraphColor6 = 0;
    qint32 Spare1 = 0;
    quint32 DrawingColor = 0;
    qint32 Spare2 = 0;
    quint32 LowRangeColor = 0;
    quint32 HighRangeColor = 0;
    qint16 WindowState = 0;
    std::array<QString, 5> MRU; // fixed texts of 4096, blank-padded; slot 0 unused
    QString LastFolder;         // fixed text of 4096, blank-padded
    bool InfoPaneDocked = false;
    bool InfoPaneVisible = false;
    bool ShowWarningsOnLoad = false;
    bool OpenGraphTeOnLoad = false;
    bool OpenGraphStOnLoad = false;
    bool OpenSourceOnLoad = false;
    bool WarnOnDate = false;
    float Threshold = 0.0f;
    quint32 ThresholdColor = 0;
    qint32 MemorySize = 0;
    bool DefaultsMade = false;
};

inline constexpr int OptionsFileSize = 24658;
inline constexpr int OptionsTextLength = 4096;
inline constexpr const char* OptionsFileName = "Corvanel.ini";
// Where a file of the wrong size is kept aside, so that the next save does not replace it
// unseen.
inline constexpr const char* OptionsBadFileName = "Corvanel.ini.bad";

// The program-wide record and whether it was read at start-up (only then may it be saved).
struct OptionsState {
    OptionsRecord Record;
    bool WasRead = false;
};
OptionsState& OptionsStore();
inline OptionsRecord& Options() {
    return OptionsStore().Record;
}

// Fills Options from the options file, or with the defaults when there is none (or it is
// unusable). Only after this may SaveOptions write the file.
void ReadOptions();
// Writes Options to the options file at once (the previous file stays whole on failure);
// does nothing when the options were never read at this start.
void SaveOptions();
// The options file the program reads and writes.
QString OptionsFilePath();

// The record's bytes and back; FromBytes is false when the size is not OptionsFileSize.
QByteArray OptionsToBytes(const OptionsRecord& record);
bool OptionsFromBytes(const QByteArray& bytes, OptionsRecord& record);
// The defaults of a first start; Spare1, ThresholdColor and MRU slot 0 keep their values.
void SetDefaultOptions(OptionsRecord& record);
// Gives the defaults to the fields whose stored values are out of range (port 1..10,
// language 0..1, window state 0..2, memory size one of the four, threshold 0..200).
// True when any field was changed.
bool DefaultOutOfRangeOptions(OptionsRecord& record);

// The date-time at which a session started at start with that step fills the memory of
// Options().MemorySize bytes. An invalid QDateTime when the count of units does not fit
// 32 bits, the unit letter is unknown or the date would lie past the end of year 9999.
QDateTime CalculateMemoryFullDate(const QDateTime& start, qint32 step, const QString& unit,
                                  qint32 intervalMultiplier = 1);
// Samples that fit in a memory of that many bytes (header 96, 7 bytes a sample).
qint32 SamplesThatFit(qint64 memoryBytes);
